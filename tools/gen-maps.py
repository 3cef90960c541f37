#!/usr/bin/env python3
"""Writes the demo's geographical map files and view background images.

    tools/gen-maps.py [DATA_DIR]      (default: data)

From tools/map_regions.py: DATA_DIR/mapdata/<map>.map (the text format of
data/mapdata/README) and DATA_DIR/backgrounds/<map>.xpm, the same map drawn
as an equirectangular picture. Also draws the campus and floor-plan
backgrounds of the demo's building views.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from map_regions import BORDERS, MAPS, PLACES, REGIONS  # noqa: E402
from glyph_canvas import Canvas  # noqa: E402

WIDTH = 480

MAP_COLOURS = {
    "s": "c #b8d4ee",  # sea
    "L": "c #e6e0c4",  # land
    "C": "c #5a6e50",  # coast
    "B": "c #a05050",  # border
    "g": "c #9ab8d8",  # graticule
    "P": "c #c81e1e",  # place
}


def write_map_file(path, stem):
    title, bounds, regions, borders, places = MAPS[stem]
    out = ["# qv map 1", "map %s" % title,
           "bounds %g %g %g %g" % bounds]
    for kind, names, table in (("land", regions, REGIONS), ("border", borders, BORDERS)):
        for name in names:
            out.append("%s %s" % (kind, name))
            out += ["  %g %g" % p for p in table[name]]
            out.append("end")
    for name in places:
        out.append("place %g %g %s" % (PLACES[name] + (name,)))
    with open(path, "w", encoding="ascii") as f:
        f.write("\n".join(out) + "\n")


class Picture:
    """A raster of colour letters over a longitude/latitude window."""

    def __init__(self, bounds):
        self.west, self.south, self.east, self.north = bounds
        mid = math.radians((self.south + self.north) / 2)
        aspect = (self.north - self.south) / ((self.east - self.west) * max(math.cos(mid), 0.3))
        self.w = WIDTH
        self.h = max(200, min(480, int(WIDTH * aspect)))
        self.rows = [["s"] * self.w for _ in range(self.h)]

    def xy(self, lon, lat):
        x = (lon - self.west) / (self.east - self.west) * (self.w - 1)
        y = (self.north - lat) / (self.north - self.south) * (self.h - 1)
        return x, y

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.rows[y][x] = c

    def fill_polygon(self, points, c):
        pts = [self.xy(*p) for p in points]
        for y in range(self.h):
            yc = y + 0.5
            xs = []
            for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(max(0, int(round(a))), min(self.w, int(round(b)) + 1)):
                    self.rows[y][x] = c

    def outline(self, points, c):
        pts = [self.xy(*p) for p in points]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
            steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
            for i in range(steps + 1):
                t = i / steps
                self.put(int(round(x0 + (x1 - x0) * t)), int(round(y0 + (y1 - y0) * t)), c)

    def graticule(self, step, c):
        for lon in range(-180, 181, step):
            if self.west < lon < self.east:
                x = int(round(self.xy(lon, 0)[0]))
                for y in range(self.h):
                    if self.rows[y][x] == "s":
                        self.rows[y][x] = c
        for lat in range(-90, 91, step):
            if self.south < lat < self.north:
                y = int(round(self.xy(0, lat)[1]))
                for x in range(self.w):
                    if self.rows[y][x] == "s":
                        self.rows[y][x] = c

    def dot(self, lon, lat, c):
        x, y = (int(round(v)) for v in self.xy(lon, lat))
        for dy in range(-2, 3):
            for dx in range(-2, 3):
                if dx * dx + dy * dy <= 5:
                    self.put(x + dx, y + dy, c)

    def to_xpm(self, var, colours):
        used = [c for c in colours if any(c in row for row in self.rows)]
        lines = ["/* XPM */", "static char *%s[] = {" % var,
                 '"%d %d %d 1",' % (self.w, self.h, len(used))]
        lines += ['"%s %s",' % (c, colours[c]) for c in used]
        rows = ['"%s"' % "".join(r) for r in self.rows]
        lines += [r + "," for r in rows[:-1]] + [rows[-1], "};"]
        return "\n".join(lines) + "\n"


def draw_map(stem):
    title, bounds, regions, borders, places = MAPS[stem]
    pic = Picture(bounds)
    span = bounds[2] - bounds[0]
    pic.graticule(30 if span > 100 else (10 if span > 20 else 2), "g")
    for name in regions:
        pic.fill_polygon(REGIONS[name], "L")
    for name in regions:
        pic.outline(REGIONS[name], "C")
    for name in borders:
        pic.outline(BORDERS[name], "B")
    for name in places:
        pic.dot(*PLACES[name], "P")
    return pic.to_xpm(stem.replace("-", "_"), MAP_COLOURS)


def draw_floor_plan():
    """A floor seen from above: rooms along a corridor."""
    c = Canvas(size=320)
    c.fill(0, 0, 319, 319, "w")
    c.box(10, 10, 309, 309, "k")
    c.box(11, 11, 308, 308, "k")
    c.fill(12, 150, 307, 170, "g")
    for x in (90, 170, 250):
        c.line(x, 12, x, 149, "k")
        c.line(x, 171, x, 307, "k")
    for x in (40, 120, 200, 280):
        c.fill(x, 149, x + 14, 150, "w")
        c.fill(x, 170, x + 14, 171, "w")
    c.box(270, 200, 300, 300, "d", "l")  # server room rack row
    return c.to_xpm("floor_plan")


def draw_campus():
    """A campus seen from above: buildings, lawns and paths."""
    c = Canvas(size=320)
    c.fill(0, 0, 319, 319, "G")
    c.fill(0, 150, 319, 170, "g")
    c.fill(150, 0, 170, 319, "g")
    for x0, y0, x1, y1 in ((20, 20, 130, 120), (190, 30, 300, 110),
                           (30, 190, 120, 300), (190, 190, 290, 280)):
        c.box(x0, y0, x1, y1, "k", "n")
        c.box(x0 + 6, y0 + 6, x1 - 6, y1 - 6, "d")
    c.ellipse(140, 140, 6, 6, "k", "b")
    return c.to_xpm("campus")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data")
    os.makedirs(os.path.join(data, "mapdata"), exist_ok=True)
    os.makedirs(os.path.join(data, "backgrounds"), exist_ok=True)
    for stem in MAPS:
        write_map_file(os.path.join(data, "mapdata", stem + ".map"), stem)
        with open(os.path.join(data, "backgrounds", stem + ".xpm"), "w") as f:
            f.write(draw_map(stem))
    for stem, draw in (("floor-plan", draw_floor_plan), ("campus", draw_campus)):
        with open(os.path.join(data, "backgrounds", stem + ".xpm"), "w") as f:
            f.write(draw())


if __name__ == "__main__":
    main()

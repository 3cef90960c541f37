"""A small pixel canvas that writes XPM, for the glyph generator."""

# Palette: one character per colour. "." is the label's own background.
PALETTE = {
    ".": "s background c gray75",
    "k": "c black",
    "w": "c white",
    "g": "c gray60",
    "d": "c gray35",
    "b": "c #1f4fa0",
    "l": "c #8fb8ef",
    "r": "c #c02818",
    "o": "c #e8841a",
    "y": "c #f2d230",
    "G": "c #2f8f3a",
    "n": "c #8a5a2b",
    "c": "c #20a0b0",
}


class Canvas:
    def __init__(self, size=32, monochrome=False):
        self.size = size
        self.monochrome = monochrome
        self.pixels = [["."] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            if self.monochrome and c != ".":
                c = "k"
            self.pixels[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners inclusive."""
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.put(x, y, c)

    def box(self, x0, y0, x1, y1, c, inside=None):
        """Rectangle outline, optionally filled with another colour."""
        if inside:
            self.fill(x0, y0, x1, y1, inside)
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, points, c):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, c)

    def ellipse(self, cx, cy, rx, ry, c, inside=None):
        """Ellipse outline, optionally filled."""
        for y in range(cy - ry, cy + ry + 1):
            for x in range(cx - rx, cx + rx + 1):
                d = ((x - cx) / (rx + 0.5)) ** 2 + ((y - cy) / (ry + 0.5)) ** 2
                if d <= 1.0:
                    inner = ((x - cx) / max(rx - 0.5, 0.5)) ** 2 + \
                            ((y - cy) / max(ry - 0.5, 0.5)) ** 2
                    if inner > 1.0:
                        self.put(x, y, c)
                    elif inside:
                        self.put(x, y, inside)

    def polygon(self, points, c, inside=None):
        """Polygon outline, optionally filled (even-odd scanline fill)."""
        if inside:
            ys = [p[1] for p in points]
            for y in range(min(ys), max(ys) + 1):
                xs = []
                for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                    if (y0 <= y < y1) or (y1 <= y < y0):
                        xs.append(x0 + (y + 0.5 - y0) * (x1 - x0) / (y1 - y0))
                xs.sort()
                for a, b in zip(xs[::2], xs[1::2]):
                    for x in range(int(round(a)), int(round(b)) + 1):
                        self.put(x, y, inside)
        self.polyline(points + points[:1], c)

    def to_xbm(self, var):
        """The drawing as an X bitmap: set bits are the drawn pixels."""
        data = []
        for row in self.pixels:
            for x0 in range(0, self.size, 8):
                byte = 0
                for bit in range(8):
                    if x0 + bit < self.size and row[x0 + bit] != ".":
                        byte |= 1 << bit
                data.append("0x%02x" % byte)
        lines = ["#define %s_width %d" % (var, self.size),
                 "#define %s_height %d" % (var, self.size),
                 "static unsigned char %s_bits[] = {" % var]
        for i in range(0, len(data), 12):
            lines.append("   " + ", ".join(data[i:i + 12]) + ("," if i + 12 < len(data) else "};"))
        return "\n".join(lines) + "\n"

    def to_xpm(self, var):
        palette = PALETTE
        used = sorted({c for row in self.pixels for c in row},
                      key=lambda c: list(palette).index(c))
        lines = ["/* XPM */", "static char *%s[] = {" % var.replace("-", "_"),
                 '"%d %d %d 1",' % (self.size, self.size, len(used))]
        lines += ['"%s %s",' % (c, palette[c]) for c in used]
        rows = ['"%s"' % "".join(row) for row in self.pixels]
        lines += [r + "," for r in rows[:-1]] + [rows[-1], "};"]
        return "\n".join(lines) + "\n"

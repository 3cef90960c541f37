#!/usr/bin/env python3
"""Draws the type glyphs and drag icons as 32x32 XPM files.

    tools/gen-glyphs.py [OUTPUT_DIR]      (default: data/glyphs)

Writes <type>.pm for every type of tools/topology_types.py (XPM), plus the
drag icons member.pm and object.pm. Glyph backgrounds use the XPM symbolic
colour "background" so that Motif paints them in the colour of the label
showing them. The drag icons are X bitmaps (XBM) under the same suffix:
they are read as 1-bit pixmaps, which Motif builds from a bitmap file but
not from an XPM one.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from glyph_canvas import Canvas  # noqa: E402
from topology_types import type_names  # noqa: E402
import glyph_shapes  # noqa: E402


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "glyphs")
    os.makedirs(out, exist_ok=True)
    missing = [n for n in type_names() if n not in glyph_shapes.SHAPES]
    if missing:
        sys.exit("no drawing for: " + ", ".join(missing))
    for name in type_names():
        canvas = Canvas()
        glyph_shapes.SHAPES[name](canvas)
        write(out, name, canvas.to_xpm(name.lower()))
    for name, draw in glyph_shapes.DRAG_ICONS.items():
        canvas = Canvas(monochrome=True)
        draw(canvas)
        write(out, name, canvas.to_xbm(name))


def write(directory, name, text):
    with open(os.path.join(directory, name + ".pm"), "w", encoding="ascii") as f:
        f.write(text)


if __name__ == "__main__":
    main()

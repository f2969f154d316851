#!/usr/bin/env python3
"""Writes a PNG contact sheet of the compiled-in pictures, to look them over in one place.

    python3 tools/pictures/contact_sheet.py OUT.png [--only TEXT] [--magnify N] [--width PIXELS]

It reads the bitmaps that pictures.rc lists, in its order (weapons, armour, animals as in the tables), and
shows each under its name, at its own size and at zoom 2 (the pages' default zoom), both on the white of
the picture frame. --only keeps the pictures whose name contains TEXT (or one of a comma-separated list); --magnify enlarges the whole sheet
by a whole factor, for a close look at the pixels.
"""

import argparse
import os
import re
import sys

import pixelfont
from imagefiles import read_bmp8, write_png

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "pictures"))

SHEET_WIDTH = 1100
BACKGROUND = (214, 216, 220)
FRAME = (120, 124, 130)
LABEL = (20, 20, 30)
GAP = 6


def listed_names(rc_path):
    with open(rc_path) as f:
        return [m.group(1) for m in re.finditer(r"^(\w+)\s+BITMAP\b", f.read(), re.MULTILINE)]


def zoomed(rows, factor):
    return [[c for c in row for _ in range(factor)] for row in rows for _ in range(factor)]


def cell_of(name, rows):
    """One sheet cell: the name, then the picture at zoom 1 and zoom 2, each in a thin frame."""
    views = [rows, zoomed(rows, 2)]
    pictures_width = sum(len(v[0]) + 2 for v in views) + GAP
    width = max(pictures_width, pixelfont.text_width(name))
    height = pixelfont.HEIGHT + 2 + max(len(v) + 2 for v in views)
    cell = [[BACKGROUND] * width for _ in range(height)]
    pixelfont.draw_text(cell, 0, 0, name, LABEL)
    x = 0
    top = pixelfont.HEIGHT + 2
    for view in views:
        h, w = len(view), len(view[0])
        for y in range(h + 2):
            for dx in range(w + 2):
                cell[top + y][x + dx] = FRAME
        for y in range(h):
            cell[top + 1 + y][x + 1:x + 1 + w] = view[y]
        x += w + 2 + GAP
    return cell


def layout(cells, width):
    """Places the cells left to right in rows no wider than the sheet."""
    sheet_width = max(width, max(len(c[0]) for c in cells) + 2 * GAP)
    placed, x, y, row_height = [], GAP, GAP, 0
    for cell in cells:
        w, h = len(cell[0]), len(cell)
        if x + w + GAP > sheet_width and x > GAP:
            x, y, row_height = GAP, y + row_height + 2 * GAP, 0
        placed.append((x, y, cell))
        x += w + 2 * GAP
        row_height = max(row_height, h)
    sheet = [[BACKGROUND] * sheet_width for _ in range(y + row_height + GAP)]
    for x, y, cell in placed:
        for dy, row in enumerate(cell):
            sheet[y + dy][x:x + len(row)] = row
    return sheet


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("output", help="the PNG file to write")
    parser.add_argument("--only", default="", help="only pictures whose name contains this text (or one of several, split by commas)")
    parser.add_argument("--magnify", type=int, default=1, help="enlarge the whole sheet by this factor")
    parser.add_argument("--width", type=int, default=SHEET_WIDTH, help="width of the sheet before magnifying")
    parser.add_argument("--pictures", default=PICTURES, help="folder of pictures.rc and the bitmaps")
    args = parser.parse_args()

    wanted = args.only.upper().split(",")
    names = [n for n in listed_names(os.path.join(args.pictures, "pictures.rc")) if any(w in n for w in wanted)]
    if not names:
        print("no pictures to show", file=sys.stderr)
        return 1
    cells = [cell_of(name, read_bmp8(os.path.join(args.pictures, name + ".bmp"))) for name in names]
    sheet = layout(cells, args.width)
    if args.magnify > 1:
        sheet = zoomed(sheet, args.magnify)
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    write_png(args.output, sheet)
    print(f"wrote {len(names)} pictures to {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

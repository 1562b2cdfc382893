#!/usr/bin/env python3
"""Draws the site tree icons of panelsetup (panel, loop, zone and the arrow
between the event trees) in the style of the element icons beside them:
16x16, a rounded square in the item's colour with a white glyph; the "_a"
form carries a green corner box (used as an action), the "_e" form a red one
(used as an event source).

Run it from anywhere: the PNGs are written next to this script.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

import picturekit  # noqa: E402

CLEAR = (0, 0, 0, 0)
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
GREEN = (0, 200, 0, 255)
RED = (255, 40, 40, 255)


def write_png(name, w, h, pixel):
    picturekit.write_png(os.path.join(HERE, name), w, h, pixel)


def in_body(x, y):
    """The rounded 16x16 square shared by every element icon."""
    if x < 1 or x > 14 or y < 1 or y > 14:
        return False
    corner = (x in (1, 14)) and (y in (1, 14))
    return not corner


def corner_box(x, y, fill):
    """The 6x6 marker in the lower right corner, or None outside it."""
    if x >= 10 and y >= 10:
        if x in (10, 15) or y in (10, 15):
            return BLACK
        return fill
    return None


# 12x12 white glyphs, one string per row ('#' is white), placed at (2, 2).
GLYPHS = {
    # a panel: cabinet with a display and two key rows
    "panel": [
        "............",
        ".##########.",
        ".#........#.",
        ".#.######.#.",
        ".#.######.#.",
        ".#........#.",
        ".#.##.##..#.",
        ".#........#.",
        ".#.##.##..#.",
        ".#........#.",
        ".##########.",
        "............",
    ],
    # a loop: a closed ring of wire
    "loop": [
        "............",
        "....####....",
        "..##....##..",
        ".#........#.",
        ".#........#.",
        "#..........#",
        "#..........#",
        ".#........#.",
        ".#........#.",
        "..##....##..",
        "....####....",
        "............",
    ],
    # a zone: an area of floor plan split in rooms
    "zona": [
        "............",
        ".##########.",
        ".#....#...#.",
        ".#....#...#.",
        ".#....#...#.",
        ".######...#.",
        ".#........#.",
        ".#...######.",
        ".#...#....#.",
        ".#...#....#.",
        ".##########.",
        "............",
    ],
}

COLOURS = {
    "panel": (90, 90, 100, 255),
    "loop": (140, 60, 170, 255),
    "zona": (230, 130, 20, 255),
}


def tree_icon(kind, marker):
    glyph = GLYPHS[kind]
    colour = COLOURS[kind]

    def pixel(x, y):
        if marker is not None:
            c = corner_box(x, y, marker)
            if c is not None:
                return c
        if not in_body(x, y):
            return CLEAR
        gx, gy = x - 2, y - 2
        if 0 <= gx < 12 and 0 <= gy < 12 and glyph[gy][gx] == "#":
            return WHITE
        return colour

    suffix = {None: "", GREEN: "_a", RED: "_e"}[marker]
    write_png("i_%s%s.png" % (kind, suffix), 16, 16, pixel)


def arrow(name, size=30):
    """A right-pointing arrow, from the event tree to the action tree."""
    colour = (40, 110, 200, 255)
    edge = (20, 60, 120, 255)
    mid = (size - 1) / 2.0

    def pixel(x, y):
        dy = abs(y - mid)
        head_from = size * 0.5
        if x < head_from:
            inside = 3 <= x and dy <= size * 0.14
        else:
            inside = dy <= (size - 2 - x) * 0.95 and x <= size - 2
        if not inside:
            return CLEAR
        # a darker rim one pixel wide
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            ndy = abs(ny - mid)
            if nx < head_from:
                n_in = 3 <= nx and ndy <= size * 0.14
            else:
                n_in = ndy <= (size - 2 - nx) * 0.95 and nx <= size - 2
            if not n_in:
                return edge
        return colour

    write_png(name, size, size, pixel)


if __name__ == "__main__":
    for kind in ("panel", "loop", "zona"):
        for marker in (None, GREEN, RED):
            tree_icon(kind, marker)
    arrow("flecha3.png")

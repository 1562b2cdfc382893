#!/usr/bin/env python3
"""Draws the monitor's point table and action icons as small RGBA PNGs."""
import struct
import zlib
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# 3x5 glyphs for the type icons
GLYPHS = {
    'O': ["111", "101", "101", "101", "111"],
    'H': ["101", "101", "111", "101", "101"],
    'M': ["101", "111", "111", "101", "101"],
    'Z': ["111", "001", "010", "100", "111"],
    'I': ["111", "010", "010", "010", "111"],
    'Q': ["111", "101", "101", "111", "001"],
    'S': ["111", "100", "111", "001", "111"],
    'P': ["111", "101", "111", "100", "100"],
    'G': ["111", "100", "101", "101", "111"],
    'R': ["110", "101", "110", "101", "101"],
    'B': ["110", "101", "110", "101", "110"],
    'X': ["101", "101", "010", "101", "101"],
}


def png(path, w, h, pixel):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw.extend(pixel(x, y))
    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(os.path.join(HERE, path), "wb") as f:
        f.write(data)


CLEAR = (0, 0, 0, 0)


def type_icon(name, colour, glyphs):
    size = 24
    def pixel(x, y):
        dx, dy = x - 11.5, y - 11.5
        d = (dx * dx + dy * dy) ** 0.5
        if d > 11.5:
            return CLEAR
        if d > 10.0:
            return (40, 40, 40, 255)
        # glyphs drawn 2x, side by side, centred
        gw = len(glyphs) * 8 - 2
        gx0 = (size - gw) // 2
        gy0 = 7
        gx, gy = x - gx0, y - gy0
        if 0 <= gy < 10 and 0 <= gx < gw:
            i, col = divmod(gx, 8)
            if col < 6 and GLYPHS[glyphs[i]][gy // 2][col // 2] == "1":
                return (255, 255, 255, 255)
        return colour + (255,)
    png(name, size, size, pixel)


def shield_icon(name, colour):
    size = 24
    def pixel(x, y):
        cx = x - 11.5
        if y < 2 or y > 22:
            return CLEAR
        half = 9.5 if y < 12 else 9.5 * (22 - y) / 10.0
        if abs(cx) > half:
            return CLEAR
        if abs(cx) > half - 1.5 or y < 3.5:
            return (30, 30, 30, 255)
        shade = 1.0 - 0.25 * (y / 24.0)
        return tuple(int(c * shade) for c in colour) + (255,)
    png(name, size, size, pixel)


def action_icon(name, kind, on):
    size = 25
    def pixel(x, y):
        if kind == "fire":
            # a flame: a drop shape pointing up
            cx, cy = x - 12, y - 15
            inside = (cx * cx + cy * cy) <= 64 or (y <= 15 and y >= 2 and abs(cx) <= (y - 2) * 8 / 13.0)
            if not inside:
                return CLEAR
            return (235, 60, 20, 255) if on else (150, 150, 150, 255)
        if kind == "out":
            # a box with a right-pointing arrow
            if 2 <= x <= 22 and 2 <= y <= 22:
                border = x in (2, 22) or y in (2, 22)
                arrow = (6 <= x <= 12 and 10 <= y <= 14) or (12 <= x <= 18 and abs(y - 12) <= 18 - x)
                if border:
                    return (40, 40, 40, 255)
                if arrow:
                    return (255, 255, 255, 255)
                return (30, 170, 60, 255) if on else (170, 170, 170, 255)
            return CLEAR
        # led: a round lamp
        dx, dy = x - 12, y - 12
        d = (dx * dx + dy * dy) ** 0.5
        if d > 11:
            return CLEAR
        if d > 9.5:
            return (40, 40, 40, 255)
        if on:
            glow = max(0.0, 1.0 - d / 12.0)
            return (255, int(200 + 55 * glow), int(40 * glow), 255)
        return (90, 80, 40, 255)
    png(name, size, size, pixel)


TYPES = [
    ("i_opto.png", (40, 110, 200), "O"),
    ("i_heat.png", (220, 90, 30), "H"),
    ("i_optoheat.png", (150, 60, 170), "OH"),
    ("i_mcp.png", (200, 20, 40), "M"),
    ("i_cZona.png", (20, 140, 130), "Z"),
    ("i_io.png", (90, 120, 40), "I"),
    ("i_out.png", (30, 150, 60), "Q"),
    ("i_sounder.png", (200, 150, 0), "S"),
    ("i_convpanel.png", (80, 80, 90), "P"),
    ("i_gas.png", (120, 90, 50), "G"),
    ("i_remoteindicator.png", (230, 100, 150), "R"),
    ("i_beam.png", (0, 90, 110), "B"),
]

SHIELDS = [
    ("shield_red.png", (220, 30, 30)),
    ("shield_yellow.png", (240, 210, 20)),
    ("shield_gray.png", (150, 150, 150)),
    ("shield_green.png", (40, 180, 60)),
    ("shield_blue.png", (40, 90, 220)),
]


# ---- monitor views: the logo behind the point table ---------------------------

# 5x7 glyphs of the wordmark
LOGO_GLYPHS = {
    'B': ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'I': ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    'X': ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
}


def logo_image(name, word):
    """A flame in a ring beside the wordmark, in soft blue on a clear ground."""
    cell = 6                      # pixels per glyph dot
    gap = 2 * cell                # between letters
    ring = 84                     # emblem diameter
    text_w = len(word) * 5 * cell + (len(word) - 1) * gap
    w, h = ring + 24 + text_w + 8, ring + 8
    text_x0, text_y0 = ring + 24, (h - 7 * cell) // 2
    cx, cy = 4 + ring / 2.0, h / 2.0
    blue = (0, 71, 131)
    flame = (235, 90, 30)

    def pixel(x, y):
        dx, dy = x - cx, y - cy
        d = (dx * dx + dy * dy) ** 0.5
        r = ring / 2.0
        if r - 6 <= d <= r:
            return blue + (150,)
        if d < r - 10:
            # a flame: a drop pointing up, its tip at the top of the ring
            fx, fy = dx / (r - 14), (dy + 4) / (r - 14)
            if fy >= 0:
                inside = fx * fx + fy * fy <= 0.45
            else:
                inside = abs(fx) <= 0.67 * (1.0 + fy) ** 1.4
            if inside:
                return flame + (150,)
            return CLEAR
        gx, gy = x - text_x0, y - text_y0
        if 0 <= gy < 7 * cell and 0 <= gx < text_w:
            i, col = divmod(gx, 5 * cell + gap)
            if col < 5 * cell and LOGO_GLYPHS[word[i]][gy // cell][col // cell] == "1":
                return blue + (150,)
        return CLEAR
    png(name, w, h, pixel)


def draw_view_icons():
    logo_image("logo_brelix.png", "BRELIX")


if __name__ == "__main__":
    for name, colour, glyphs in TYPES:
        type_icon(name, colour, glyphs)
    for name, colour in SHIELDS:
        shield_icon(name, colour)
    for kind in ("fire", "out", "led"):
        action_icon(kind + "ActionOff.png", kind, False)
        action_icon(kind + "ActionOn.png", kind, True)
    draw_view_icons()

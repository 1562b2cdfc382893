#!/usr/bin/env python3
"""Draws the monitor's point table and action icons as small RGBA PNGs, and the
pictures of its own windows (loop selector, message boxes, logo, splash)."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from picturekit import disc, either, polygon, ring, rounded_rect, segment, write_png  # noqa: E402

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
    write_png(os.path.join(HERE, path), w, h, pixel)


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


# ---------------------------------------------------------------------------
# Pictures of the monitor's own small windows: the loop selector's arrows and
# its background, the message box pictures, the program logo and the splash.
# Shapes are given as coverage functions and sampled several times per pixel,
# so their edges come out smooth.

def blend(under, over):
    """over (r, g, b, a 0..1) painted on under (r, g, b, a 0..1)."""
    a = over[3] + under[3] * (1.0 - over[3])
    if a <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    return tuple((over[i] * over[3] + under[i] * under[3] * (1.0 - over[3])) / a for i in range(3)) + (a,)


def render(path, w, h, layers, samples=4):
    """layers: list of (inside(x, y) -> bool, colour(x, y) -> (r, g, b, a 0..255))."""
    offsets = [((i + 0.5) / samples, (j + 0.5) / samples) for i in range(samples) for j in range(samples)]
    def pixel(x, y):
        acc = [0.0, 0.0, 0.0, 0.0]
        for ox, oy in offsets:
            px, py = x + ox, y + oy
            c = (0.0, 0.0, 0.0, 0.0)
            for inside, colour in layers:
                if inside(px, py):
                    r, g, b, a = colour(px, py)
                    c = blend(c, (r, g, b, a / 255.0))
            for i in range(3):
                acc[i] += c[i] * c[3]
            acc[3] += c[3]
        n = len(offsets)
        a = acc[3] / n
        if a <= 0.0:
            return CLEAR
        return tuple(int(round(acc[i] / acc[3])) for i in range(3)) + (int(round(a * 255)),)
    png(path, w, h, pixel)


def solid(colour):
    return lambda x, y: colour


def vgradient(top, bottom, y0, y1):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(4))
    return colour














def flame(cx, base, height):
    """A flame pointing up: a round foot that narrows to a tip bent to the right."""
    r = height * 0.32
    cy = base - r
    def inside(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
            return True
        top = base - height
        if y < top or y > cy:
            return False
        t = (y - top) / float(cy - top)         # 0 at the tip, 1 at the foot's centre
        centre = cx + r * 0.35 * (1.0 - t) ** 2
        half = r * (t ** 0.8)
        return abs(x - centre) <= half
    return inside


def arrow_icon(name, pointing_left, on):
    """The loop selector's arrows: a chevron in a round button."""
    size = 24
    face = (38, 104, 168, 255) if on else (196, 196, 196, 255)
    edge = (20, 60, 100, 255) if on else (160, 160, 160, 255)
    mark = (255, 255, 255, 255) if on else (236, 236, 236, 255)
    if pointing_left:
        chevron = either(segment(14.5, 6.5, 8.5, 12, 3.2), segment(8.5, 12, 14.5, 17.5, 3.2))
    else:
        chevron = either(segment(9.5, 6.5, 15.5, 12, 3.2), segment(15.5, 12, 9.5, 17.5, 3.2))
    render(name, size, size, [
        (disc(12, 12, 11), solid(edge)),
        (disc(12, 12, 10), vgradient(tuple(min(255, c + 40) for c in face[:3]) + (255,), face, 2, 22)),
        (chevron, solid(mark)),
    ])


def arrows_background():
    """Behind the selector's label: a light rounded panel between the arrows."""
    w, h = 108, 37
    render("bgArrows.png", w, h, [
        (rounded_rect(0.5, 0.5, w - 0.5, h - 0.5, 6), solid((150, 150, 150, 255))),
        (rounded_rect(1.5, 1.5, w - 1.5, h - 1.5, 5), vgradient((250, 250, 250, 255), (214, 218, 224, 255), 1, h - 1)),
    ], samples=3)


def foot_print():
    """The scan question's picture: a magnifying glass over the dots of a loop."""
    size = 90
    dots = [disc(14 + 12 * i, 70 - (6 if i % 2 else 0), 4) for i in range(6)]
    loop_line = either(*[segment(14 + 12 * i, 70 - (6 if i % 2 else 0),
                                 26 + 12 * i, 70 - (0 if i % 2 else 6), 2) for i in range(5)])
    render("footPrint.png", size, size, [
        (loop_line, solid((120, 120, 120, 255))),
        (either(*dots), solid((200, 40, 30, 255))),
        (segment(54, 50, 78, 80, 10), solid((90, 60, 30, 255))),
        (disc(42, 36, 26), solid((60, 60, 60, 255))),
        (disc(42, 36, 21), solid((200, 228, 250, 170))),
        (disc(34, 28, 6), solid((255, 255, 255, 150))),
    ], samples=3)


def usb_picture():
    """The connection error box's picture: a USB plug with its trident, and a red cross."""
    size = 90
    grey = (70, 78, 88, 255)
    trident = either(
        segment(40, 16, 40, 70, 4),
        segment(40, 52, 26, 40, 4), segment(26, 40, 26, 32, 4),
        segment(40, 44, 54, 34, 4), segment(54, 34, 54, 26, 4),
        polygon([(40, 6), (32, 18), (48, 18)]),
    )
    render("usb_bg.png", size, size, [
        (trident, solid(grey)),
        (disc(26, 30, 5), solid(grey)),
        (rounded_rect(49, 20, 59, 30, 1), solid(grey)),
        (disc(40, 74, 7), solid(grey)),
        (disc(68, 68, 17), solid((196, 30, 30, 255))),
        (either(segment(61, 61, 75, 75, 5), segment(75, 61, 61, 75, 5)), solid((255, 255, 255, 255))),
    ], samples=3)


def logo():
    """The programs' window icon: a red ring holding a flame."""
    size = 64
    render("logo.png", size, size, [
        (disc(32, 32, 31), solid((180, 20, 24, 255))),
        (disc(32, 32, 26), vgradient((255, 255, 255, 255), (228, 228, 228, 255), 6, 58)),
        (flame(32, 54, 42), vgradient((250, 200, 40, 255), (214, 40, 24, 255), 12, 54)),
        (flame(32, 54, 20), solid((255, 236, 140, 255))),
    ])


def splash():
    """The start-up picture, 637 x 335: a dark panel with a red band and a flame on
    the left; the top right stays dark for the white text the window lays over it."""
    w, h = 637, 335
    render("splash.png", w, h, [
        (rounded_rect(0, 0, w, h, 14), vgradient((44, 52, 64, 255), (18, 22, 30, 255), 0, h)),
        (polygon([(0, 240), (w, 200), (w, 232), (0, 272)]), solid((196, 28, 32, 255))),
        (polygon([(0, 276), (w, 236), (w, 242), (0, 282)]), solid((240, 160, 40, 255))),
        (disc(160, 150, 96), solid((255, 255, 255, 24))),
        (flame(160, 228, 170), vgradient((252, 214, 60, 255), (206, 34, 22, 255), 58, 228)),
        (flame(160, 228, 84), solid((255, 240, 170, 255))),
        (rounded_rect(350, 118, 600, 121, 1.5), solid((196, 28, 32, 255))),
    ], samples=2)


def draw_window_pictures():
    for left in (True, False):
        for on in (True, False):
            arrow_icon(("left" if left else "right") + "Arrow" + ("On" if on else "Off") + ".png", left, on)
    arrows_background()
    foot_print()
    usb_picture()
    logo()
    splash()


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


# ---- main window: toolbar and menu icons, the refusal box's USB picture --------
# Drawn at 48 x 48 (the toolbars show them at 36 x 36), each on a round or
# rounded face of its own colour so the four toolbars read at a glance.

def arc(cx, cy, r_out, r_in, start, end):
    """Part of a ring from angle start to end, in degrees counter-clockwise from
    3 o'clock (y up); an end below the start runs on through 0."""
    import math
    def inside(x, y):
        dx, dy = x - cx, cy - y
        d2 = dx * dx + dy * dy
        if d2 < r_in * r_in or d2 > r_out * r_out:
            return False
        a = math.degrees(math.atan2(dy, dx)) % 360.0
        s, e = start % 360.0, end % 360.0
        return s <= a <= e if s <= e else (a >= s or a <= e)
    return inside


def inverse(shape):
    return lambda x, y: not shape(x, y)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def face(colour, size=48):
    c = size / 2.0
    light = tuple(min(255, v + 60) for v in colour[:3]) + (255,)
    return [
        (disc(c, c, c - 1), solid(tuple(max(0, v - 50) for v in colour[:3]) + (255,))),
        (disc(c, c, c - 3), vgradient(light, tuple(colour[:3]) + (255,), 3, size - 3)),
    ]


WHITE = (255, 255, 255, 255)
DARK = (52, 58, 66, 255)


def options_icon():
    """Settings: a gear."""
    import math
    def gear(x, y):
        dx, dy = x - 24, y - 24
        d = (dx * dx + dy * dy) ** 0.5
        a = math.atan2(dy, dx)
        tooth = math.cos(8 * a) > 0.2
        return d > 6.5 and ((d <= 19 and tooth) or d <= 15.5)
    render("options.png", 48, 48, [
        (gear, vgradient((150, 160, 172, 255), (84, 94, 108, 255), 4, 44)),
        (ring(24, 24, 8, 6.5), solid(DARK)),
    ])


def info_graphics_icon():
    """Statistics: a bar chart on a light card."""
    render("infoGraphics.png", 48, 48, [
        (rounded_rect(3, 5, 45, 43, 5), solid((70, 80, 92, 255))),
        (rounded_rect(5, 7, 43, 41, 4), vgradient((250, 250, 252, 255), (220, 226, 234, 255), 7, 41)),
        (rounded_rect(10, 26, 16, 37, 1), solid((40, 120, 200, 255))),
        (rounded_rect(19, 17, 25, 37, 1), solid((40, 170, 80, 255))),
        (rounded_rect(28, 22, 34, 37, 1), solid((230, 160, 20, 255))),
        (rounded_rect(8, 37, 40, 38.5, 0.5), solid(DARK)),
    ])


def plug_shapes(dx):
    """A USB-style plug body and its cable, moved right by dx."""
    return [
        (rounded_rect(4 + dx, 18, 22 + dx, 30, 2), solid(DARK)),
        (rounded_rect(22 + dx, 20, 30 + dx, 28, 1), solid((190, 196, 204, 255))),
        (rounded_rect(24 + dx, 22, 28 + dx, 23.5, 0.3), solid(DARK)),
        (rounded_rect(24 + dx, 24.5, 28 + dx, 26, 0.3), solid(DARK)),
        (rounded_rect(0, 22.5, 4 + dx, 25.5, 1), solid(DARK)),
    ]


def socket_shapes():
    return [
        (rounded_rect(32, 14, 46, 34, 3), solid((96, 104, 116, 255))),
        (rounded_rect(34, 19, 40, 29, 1), solid((30, 34, 40, 255))),
    ]


def plug_icon():
    """Connected: the plug sits in its socket, a green light above."""
    render("plug.png", 48, 48, socket_shapes() + plug_shapes(4) + [
        (disc(39, 8, 4.5), solid((40, 190, 70, 255))),
    ])


def unplug_icon():
    """Not connected: the plug held away from its socket, a red light above."""
    render("unplug.png", 48, 48, socket_shapes() + plug_shapes(-3) + [
        (disc(39, 8, 4.5), solid((210, 40, 36, 255))),
    ])


def explore_icon():
    """Explore loop: a magnifying glass over the dots of a loop."""
    dots = either(*[disc(9 + 8 * i, 40 - (4 if i % 2 else 0), 2.6) for i in range(5)])
    render("explore.png", 48, 48, [
        (dots, solid((200, 40, 30, 255))),
        (segment(30, 30, 43, 43, 6), solid((96, 64, 34, 255))),
        (disc(21, 20, 15), solid(DARK)),
        (disc(21, 20, 11.5), solid((196, 226, 250, 190))),
        (disc(16, 15, 3.5), solid((255, 255, 255, 170))),
    ])


def play_icon():
    render("play.png", 48, 48, face((40, 160, 70)) + [
        (polygon([(18, 13), (36, 24), (18, 35)]), solid(WHITE)),
    ])


def stop_icon():
    render("stop.png", 48, 48, face((200, 46, 40)) + [
        (rounded_rect(15, 15, 33, 33, 2), solid(WHITE)),
    ])


def reload_icon():
    """Reset counters: two arrows chasing round a circle."""
    render("reload.png", 48, 48, face((40, 110, 190)) + [
        (arc(24, 24, 14, 10, 20, 160), solid(WHITE)),
        (arc(24, 24, 14, 10, 200, 340), solid(WHITE)),
        (polygon([(31, 8), (40, 16), (29, 19)]), solid(WHITE)),
        (polygon([(17, 40), (8, 32), (19, 29)]), solid(WHITE)),
    ])


def clean_icon():
    """Clear data: a waste bin."""
    render("clean.png", 48, 48, [
        (rounded_rect(9, 9, 39, 14, 2), solid((90, 98, 110, 255))),
        (rounded_rect(19, 5, 29, 10, 2), solid((90, 98, 110, 255))),
        (polygon([(12, 16), (36, 16), (33, 44), (15, 44)]), vgradient((170, 178, 190, 255), (110, 118, 130, 255), 16, 44)),
        (segment(19, 20, 20, 40, 2.2), solid((70, 76, 86, 255))),
        (segment(24, 20, 24, 40, 2.2), solid((70, 76, 86, 255))),
        (segment(29, 20, 28, 40, 2.2), solid((70, 76, 86, 255))),
    ])


def export_icon():
    """Export analog values: a sheet with a table and an arrow leaving it."""
    render("export.png", 48, 48, [
        (polygon([(7, 4), (29, 4), (37, 12), (37, 44), (7, 44)]), solid((92, 100, 112, 255))),
        (polygon([(9, 6), (28, 6), (35, 13), (35, 42), (9, 42)]), solid((250, 250, 250, 255))),
        (either(*[rounded_rect(12, 16 + 6 * i, 32, 17.2 + 6 * i, 0.3) for i in range(4)]), solid((150, 170, 190, 255))),
        (rounded_rect(21, 14, 22.2, 36, 0.3), solid((150, 170, 190, 255))),
        (segment(24, 30, 38, 30, 5), solid((30, 150, 60, 255))),
        (polygon([(36, 22), (46, 30), (36, 38)]), solid((30, 150, 60, 255))),
    ])


def speaker(colour):
    return [
        (rounded_rect(6, 18, 15, 30, 1.5), solid(colour)),
        (polygon([(13, 18), (25, 8), (25, 40), (13, 30)]), solid(colour)),
    ]


def sounder_on_icon():
    """Sounders on: a loudspeaker sending out waves."""
    render("SounderOn.png", 48, 48, speaker((200, 40, 36, 255)) + [
        (arc(24, 24, 10, 7.5, -45, 45), solid((200, 40, 36, 255))),
        (arc(24, 24, 16, 13.5, -45, 45), solid((200, 40, 36, 255))),
        (arc(24, 24, 22, 19.5, -40, 40), solid((200, 40, 36, 255))),
    ])


def sounder_off_icon():
    """Sounders off: the loudspeaker silent, a cross beside it."""
    render("SounderOff.png", 48, 48, speaker((84, 92, 104, 255)) + [
        (either(segment(31, 17, 43, 31, 3.6), segment(43, 17, 31, 31, 3.6)), solid((84, 92, 104, 255))),
    ])


def mute_icon():
    """Silence buzzer: a bell struck through."""
    bell = either(
        both(disc(24, 22, 12), lambda x, y: y <= 22),
        polygon([(12, 22), (36, 22), (40, 34), (8, 34)]),
    )
    render("mute.png", 48, 48, [
        (bell, vgradient((250, 200, 60, 255), (210, 140, 20, 255), 10, 34)),
        (rounded_rect(6, 33, 42, 36, 1.5), solid((170, 110, 10, 255))),
        (disc(24, 39, 4), solid((170, 110, 10, 255))),
        (disc(24, 9, 2.5), solid((170, 110, 10, 255))),
        (segment(8, 6, 40, 42, 6), solid(WHITE)),
        (segment(8, 6, 40, 42, 3.2), solid((200, 40, 36, 255))),
    ])


def reset_icon():
    """Reset key: a ring broken at the top with a bar through the gap, on orange."""
    render("reset.png", 48, 48, face((226, 120, 20)) + [
        (arc(24, 25, 13, 9.5, 120, 60), solid(WHITE)),
        (rounded_rect(22.2, 8, 25.8, 24, 1.8), solid(WHITE)),
    ])


def usb_icon():
    """The refusal box's window icon: the USB trident."""
    size = 32
    grey = (40, 90, 160, 255)
    render("usb.png", size, size, [
        (segment(16, 6, 16, 27, 2.4), solid(grey)),
        (either(segment(16, 20, 9, 14, 2.4), segment(9, 14, 9, 11, 2.4)), solid(grey)),
        (either(segment(16, 17, 23, 12, 2.4), segment(23, 12, 23, 9, 2.4)), solid(grey)),
        (polygon([(16, 1), (12, 7), (20, 7)]), solid(grey)),
        (disc(9, 10, 2.6), solid(grey)),
        (rounded_rect(21, 6, 25, 10, 0.5), solid(grey)),
        (disc(16, 27.5, 3.2), solid(grey)),
    ])


def draw_main_window_icons():
    options_icon()
    info_graphics_icon()
    plug_icon()
    unplug_icon()
    explore_icon()
    play_icon()
    stop_icon()
    reload_icon()
    clean_icon()
    export_icon()
    sounder_on_icon()
    sounder_off_icon()
    mute_icon()
    reset_icon()
    usb_icon()


if __name__ == "__main__":
    for name, colour, glyphs in TYPES:
        type_icon(name, colour, glyphs)
    for name, colour in SHIELDS:
        shield_icon(name, colour)
    for kind in ("fire", "out", "led"):
        action_icon(kind + "ActionOff.png", kind, False)
        action_icon(kind + "ActionOn.png", kind, True)
    draw_window_pictures()
    draw_view_icons()
    draw_main_window_icons()

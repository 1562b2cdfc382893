#!/usr/bin/env python3
"""Draws panelsetup's pictures: the toolbar buttons (32x32, in buttons/), the
window logo, the splash picture and the picture of the about box.

Every picture is a stack of filled shapes, painted back to front and
supersampled, so edges come out smooth without an imaging library. The buttons
share one palette and one outline colour: a dark grey rim around light bodies,
green for what comes in, blue for what goes out, red for the panel and for
removal.

Run it from anywhere: the PNGs are written next to this script.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

import picturekit  # noqa: E402
from picturekit import disc, either, minus, polygon, rect, ring, rounded_rect, segment  # noqa: E402


def write_png(path, w, h, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    picturekit.write_png(path, w, h, lambda x, y: pixels[y][x])

RIM = (55, 60, 70, 255)
WHITE = (252, 252, 252, 255)
PAPER = (246, 247, 250, 255)
GREY = (150, 156, 165, 255)
LIGHT = (214, 220, 228, 255)
PANEL = (196, 38, 38, 255)
PANEL_DARK = (140, 24, 24, 255)
SCREEN = (212, 236, 250, 255)
GREEN = (34, 150, 64, 255)
BLUE = (36, 104, 196, 255)
YELLOW = (244, 190, 58, 255)
YELLOW_DARK = (196, 140, 28, 255)
RED = (210, 40, 40, 255)
ORANGE = (236, 130, 30, 255)



# ---- shapes: functions (x, y) -> inside, in pixel units ------------------------













def arc(cx, cy, r, w, start, end):
    """A stroke along a circle, angles in degrees, counter-clockwise from east
    (y grows downwards, so positive angles go up)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > w / 2.0:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        s, e = start % 360, end % 360
        return s <= a <= e if s <= e else (a >= s or a <= e)
    return inside






def grow(points, d):
    """The polygon pushed outwards by d from its centroid (for outlines)."""
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    out = []
    for x, y in points:
        vx, vy = x - cx, y - cy
        n = math.hypot(vx, vy) or 1.0
        out.append((x + vx / n * d, y + vy / n * d))
    return out


# ---- painting ----------------------------------------------------------------

def paint(w, h, layers, samples=4, background=None):
    """layers: (shape, colour) back to front. background(x, y) gives the colour
    under every shape (transparent when None)."""
    rows = []
    offsets = [(i + 0.5) / samples for i in range(samples)]
    n = samples * samples
    for py in range(h):
        row = []
        for px in range(w):
            r = g = b = a = 0.0
            for oy in offsets:
                for ox in offsets:
                    x, y = px + ox, py + oy
                    colour = background(x, y) if background else (0, 0, 0, 0)
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    alpha = colour[3] / 255.0
                    r += colour[0] * alpha
                    g += colour[1] * alpha
                    b += colour[2] * alpha
                    a += alpha
            if a > 0:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


# ---- pieces shared by the buttons ------------------------------------------------

def outlined(shape_outer, shape_inner, fill):
    return [(shape_outer, RIM), (shape_inner, fill)]


def panel_cabinet(x0, y0, x1, y1):
    """The fire panel: a red cabinet with a display and two rows of keys."""
    layers = outlined(rounded_rect(x0, y0, x1, y1, 2.5), rounded_rect(x0 + 1.3, y0 + 1.3, x1 - 1.3, y1 - 1.3, 1.5), PANEL)
    w = x1 - x0
    layers += outlined(rect(x0 + 3, y0 + 3, x1 - 3, y0 + 3 + w * 0.38),
                       rect(x0 + 4, y0 + 4, x1 - 4, y0 + 2 + w * 0.38), SCREEN)
    key_y = y0 + 6 + w * 0.38
    for row in range(2):
        for col in range(3):
            kx = x0 + 3.5 + col * (w - 7) / 2.0
            ky = key_y + row * 4.2
            layers.append((disc(kx, ky, 1.2), WHITE))
    return layers


def arrow_down(cx, top, bottom, half_width, colour):
    head = bottom - half_width * 1.6
    points = [(cx - half_width * 0.45, top), (cx + half_width * 0.45, top),
              (cx + half_width * 0.45, head), (cx + half_width, head), (cx, bottom),
              (cx - half_width, head), (cx - half_width * 0.45, head)]
    return [(polygon(grow(points, 1.2)), RIM), (polygon(points), colour)]


def arrow_up(cx, top, bottom, half_width, colour):
    head = top + half_width * 1.6
    points = [(cx - half_width * 0.45, bottom), (cx + half_width * 0.45, bottom),
              (cx + half_width * 0.45, head), (cx + half_width, head), (cx, top),
              (cx - half_width, head), (cx - half_width * 0.45, head)]
    return [(polygon(grow(points, 1.2)), RIM), (polygon(points), colour)]


def document(x0, y0, x1, y1, fold=6):
    """A sheet with its upper right corner folded."""
    outer = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    inner = [(x0 + 1.3, y0 + 1.3), (x1 - fold - 0.5, y0 + 1.3), (x1 - 1.3, y0 + fold + 0.5),
             (x1 - 1.3, y1 - 1.3), (x0 + 1.3, y1 - 1.3)]
    flap = [(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]
    return [(polygon(outer), RIM), (polygon(inner), PAPER), (polygon(flap), RIM),
            (polygon([(x1 - fold + 1.2, y0 + 2.5), (x1 - fold + 1.2, y0 + fold - 1.2),
                   (x1 - 2.5, y0 + fold - 1.2)]), LIGHT)]


def plus_badge(cx, cy, r=6.0, colour=GREEN):
    return [(disc(cx, cy, r), RIM), (disc(cx, cy, r - 1.2), colour),
            (rect(cx - r * 0.55, cy - 1.1, cx + r * 0.55, cy + 1.1), WHITE),
            (rect(cx - 1.1, cy - r * 0.55, cx + 1.1, cy + r * 0.55), WHITE)]


def floppy(x0, y0, x1, y1):
    cut = 4
    outer = [(x0, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1), (x0, y1)]
    inner = [(x0 + 1.3, y0 + 1.3), (x1 - cut - 0.5, y0 + 1.3), (x1 - 1.3, y0 + cut + 0.5),
             (x1 - 1.3, y1 - 1.3), (x0 + 1.3, y1 - 1.3)]
    w = x1 - x0
    return [(polygon(outer), RIM), (polygon(inner), BLUE),
            (rect(x0 + w * 0.25, y0 + 1.3, x1 - w * 0.3, y0 + w * 0.33), LIGHT),
            (rect(x1 - w * 0.45, y0 + 3, x1 - w * 0.36, y0 + w * 0.28), GREY),
            (rounded_rect(x0 + 4, y1 - w * 0.45, x1 - 4, y1 - 1.3, 1), WHITE),
            (rect(x0 + 6, y1 - w * 0.33, x1 - 6, y1 - w * 0.33 + 1), LIGHT),
            (rect(x0 + 6, y1 - w * 0.2, x1 - 6, y1 - w * 0.2 + 1), LIGHT)]


def pencil(x0, y0, x1, y1, w=5.0):
    """A pencil from its tip (x0, y0) to its end (x1, y1)."""
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy, ux
    tip_len = w * 1.3

    def pt(t, s):
        return (x0 + ux * t + nx * s, y0 + uy * t + ny * s)

    h = w / 2.0
    body = [pt(tip_len, -h), pt(length - 2.5, -h), pt(length - 2.5, h), pt(tip_len, h)]
    eraser = [pt(length - 2.5, -h), pt(length, -h), pt(length, h), pt(length - 2.5, h)]
    wood = [pt(0, 0), pt(tip_len, -h), pt(tip_len, h)]
    lead = [pt(0, 0), pt(tip_len * 0.4, -h * 0.4), pt(tip_len * 0.4, h * 0.4)]
    return [(polygon(grow(body + [pt(0, 0)], 1.2)), RIM), (polygon(grow(eraser, 1.2)), RIM),
            (polygon(body), YELLOW), (polygon(eraser), (235, 120, 140, 255)),
            (polygon(wood), (238, 206, 160, 255)), (polygon(lead), RIM)]


# ---- the buttons -------------------------------------------------------------------

def buttons():
    b = {}
    b["downloadPanel"] = panel_cabinet(2, 2, 19, 29) + arrow_down(25, 4, 28, 5.5, GREEN)
    b["uploadPanel"] = panel_cabinet(2, 2, 19, 29) + arrow_up(25, 4, 28, 5.5, BLUE)

    csv = document(4, 2, 26, 30)
    for i in range(4):
        y = 11 + i * 4.5
        csv.append((rect(7.5, y, 22.5, y + 3), (200, 232, 206, 255)))
    csv += [(rect(7.5, 10, 22.5, 10.8), GREEN), (rect(14.6, 11, 15.4, 28), GREEN)]
    for i in range(5):
        csv.append((rect(7.5, 10.2 + i * 4.5, 22.5, 11 + i * 4.5), GREEN))
    b["exportCSV"] = csv

    txt = document(4, 2, 26, 30)
    for i, right in enumerate((17, 22.5, 22.5, 19, 22.5, 15)):
        y = 9.5 + i * 3.3
        txt.append((rect(7.5, y, right, y + 1.4), BLUE))
    b["exportTXT"] = txt

    b["new"] = document(5, 2, 25, 30) + [
        (polygon([(23 + 7 * math.cos(math.radians(90 + k * 36)) * (1 if k % 2 == 0 else 0.45),
                23 - 7 * math.sin(math.radians(90 + k * 36)) * (1 if k % 2 == 0 else 0.45))
               for k in range(10)]), YELLOW_DARK),
        (polygon([(23 + 5.6 * math.cos(math.radians(90 + k * 36)) * (1 if k % 2 == 0 else 0.45),
                23 - 5.6 * math.sin(math.radians(90 + k * 36)) * (1 if k % 2 == 0 else 0.45))
               for k in range(10)]), YELLOW)]

    back = [(2, 7), (11, 7), (13, 9.5), (26, 9.5), (26, 27), (2, 27)]
    front = [(6.5, 14), (30, 14), (25.5, 27), (2, 27)]
    b["open"] = [(polygon(grow(back, 1.2)), RIM), (polygon(back), YELLOW_DARK),
                 (polygon(grow(front, 1.2)), RIM), (polygon(front), YELLOW)]

    b["save"] = floppy(3, 3, 29, 29)
    b["saveAs"] = floppy(2, 2, 24, 24) + pencil(14, 29, 29, 14, 4.5)

    clock = [(disc(16, 16, 14), RIM), (disc(16, 16, 12.6), WHITE)]
    for k in range(12):
        a = math.radians(k * 30)
        r0 = 10 if k % 3 else 9
        clock.append((segment(16 + r0 * math.cos(a), 16 + r0 * math.sin(a),
                          16 + 11.5 * math.cos(a), 16 + 11.5 * math.sin(a), 1.2), RIM))
    clock += [(segment(16, 16, 16, 7, 2.2), RIM), (segment(16, 16, 22.5, 18.5, 2.2), RIM),
              (segment(16, 16, 10, 22, 1.0), RED), (disc(16, 16, 1.8), RIM)]
    b["datetime"] = clock

    # two arrows chasing each other clockwise round a circle
    update = []
    for start in (40, 220):
        update += [(arc(16, 16, 10.5, 5.2, start, start + 125), RIM),
                   (arc(16, 16, 10.5, 2.8, start + 1, start + 124), GREEN)]
        a = math.radians(start + 2)
        bx, by = 16 + 10.5 * math.cos(a), 16 - 10.5 * math.sin(a)
        tx, ty = math.sin(a), math.cos(a)      # clockwise on screen
        nx, ny = math.cos(a), -math.sin(a)     # outwards
        head = [(bx + nx * 5.5, by + ny * 5.5), (bx + tx * 7, by + ty * 7), (bx - nx * 5.5, by - ny * 5.5)]
        update += [(polygon(grow(head, 1.2)), RIM), (polygon(head), GREEN)]
    b["update"] = update

    screen = [(rounded_rect(2, 3, 30, 23, 2), RIM), (rect(4, 5, 28, 21), (28, 42, 60, 255))]
    pulse = [(5, 14), (10, 14), (12, 9), (15, 19), (18, 11), (20, 14), (27, 14)]
    for (xa, ya), (xb, yb) in zip(pulse, pulse[1:]):
        screen.append((segment(xa, ya, xb, yb, 1.8), (80, 230, 120, 255)))
    screen += [(rect(13, 23, 19, 27), RIM), (rounded_rect(8, 26, 24, 29.5, 1.5), RIM),
               (rounded_rect(9.2, 27.2, 22.8, 28.3, 0.5), GREY)]
    b["monitor"] = screen

    b["remove"] = [(disc(16, 16, 13.5), RIM), (disc(16, 16, 12.2), RED),
                   (segment(10.5, 10.5, 21.5, 21.5, 3.6), WHITE), (segment(21.5, 10.5, 10.5, 21.5, 3.6), WHITE)]

    b["edit"] = pencil(4, 28, 27, 5, 6.5) + [(rect(3, 29, 14, 30), RIM)]

    eye_outer = polygon([(2 + 28 * t, 16 - 10.5 * math.sin(math.pi * t)) for t in [i / 24 for i in range(25)]]
                     + [(30 - 28 * t, 16 + 10.5 * math.sin(math.pi * t)) for t in [i / 24 for i in range(1, 24)]])
    eye_inner = polygon([(4 + 24 * t, 16 - 8.8 * math.sin(math.pi * t)) for t in [i / 24 for i in range(25)]]
                     + [(28 - 24 * t, 16 + 8.8 * math.sin(math.pi * t)) for t in [i / 24 for i in range(1, 24)]])
    b["view"] = [(eye_outer, RIM), (eye_inner, WHITE), (disc(16, 16, 6.5), BLUE),
                 (disc(16, 16, 3), RIM), (disc(14, 13.8, 1.4), WHITE)]

    b["addPanel"] = panel_cabinet(2, 2, 20, 29) + plus_badge(24.5, 24.5, 7)

    detector = [(disc(13, 14, 11.5), RIM), (disc(13, 14, 10.2), WHITE),
                (ring(13, 14, 6, 7), LIGHT), (disc(13, 14, 3.2), RIM), (disc(13, 14, 2), RED)]
    b["AddElement"] = detector + plus_badge(24.5, 24.5, 7)
    return b


# ---- logo, splash and about pictures --------------------------------------------------

def flame(cx, top, bottom, half_width):
    """A flame: a drop whose tip leans to the right."""
    points = []
    steps = 40
    height = bottom - top
    for i in range(steps + 1):   # right side, tip to bottom
        t = i / steps
        wdt = half_width * math.sin(math.pi * min(1.0, t * 0.78 + 0.22)) * (t ** 0.6)
        points.append((cx + wdt + (1 - t) ** 2 * half_width * 0.5, top + t * height))
    for i in range(steps, -1, -1):   # left side, bottom to tip
        t = i / steps
        wdt = half_width * math.sin(math.pi * min(1.0, t * 0.78 + 0.22)) * (t ** 0.6)
        points.append((cx - wdt + (1 - t) ** 2 * half_width * 0.5, top + t * height))
    return polygon(points)


def logo_layers(x0, y0, size):
    s = size
    return [(rounded_rect(x0, y0, x0 + s, y0 + s, s * 0.18), PANEL_DARK),
            (rounded_rect(x0 + s * 0.04, y0 + s * 0.04, x0 + s * 0.96, y0 + s * 0.96, s * 0.15), PANEL),
            (flame(x0 + s * 0.5, y0 + s * 0.12, y0 + s * 0.86, s * 0.3), WHITE),
            (flame(x0 + s * 0.5, y0 + s * 0.45, y0 + s * 0.8, s * 0.14), (255, 196, 80, 255))]


def banner(w, h, band):
    """A light card with a red band on top holding the logo and a loop of
    addressed elements."""
    def background(x, y):
        if y < band:
            k = y / band
            return (int(176 + 40 * k), int(28 + 14 * k), int(28 + 14 * k), 255)
        k = (y - band) / max(1, h - band)
        return (int(250 - 8 * k), int(250 - 8 * k), int(252 - 6 * k), 255)

    logo = band * 0.7
    layers = logo_layers(band * 0.15, band * 0.15, logo)
    cx, cy, r = w * 0.62, band * 0.5, band * 0.3
    layers.append((ring(cx, cy, r - 1.5, r + 1.5), (255, 255, 255, 200)))
    for k in range(12):
        a = math.radians(k * 30)
        layers.append((disc(cx + r * math.cos(a), cy + r * math.sin(a), band * 0.045), WHITE))
    layers.append((segment(cx + r, cy, w * 0.95, cy, 3), (255, 255, 255, 200)))
    layers.append((rect(0, band, w, band + 3), PANEL_DARK))
    return paint(w, h, layers, samples=2, background=background)


def main():
    out = os.path.join(HERE, "buttons")
    os.makedirs(out, exist_ok=True)
    for name, layers in buttons().items():
        write_png(os.path.join(out, name + ".png"), 32, 32, paint(32, 32, layers))
    write_png(os.path.join(HERE, "logo.png"), 64, 64, paint(64, 64, logo_layers(1, 1, 62)))
    write_png(os.path.join(HERE, "brelixSplash.png"), 480, 300, banner(480, 300, 190))
    write_png(os.path.join(HERE, "splashScreen.png"), 445, 200, banner(445, 200, 140))


if __name__ == "__main__":
    main()

"""What the picture scripts of both programs share: a plain RGBA PNG writer and
the shapes their pictures are painted from (functions (x, y) -> inside, in pixel
units), so every picture can be drawn again with the standard library alone."""
import struct
import zlib


def write_png(path, w, h, pixel):
    """pixel(x, y) gives the (r, g, b, a) of each pixel."""
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
    with open(path, "wb") as f:
        f.write(data)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r1, r2):
    """Between the two radii, whichever order they come in."""
    r_in, r_out = min(r1, r2), max(r1, r2)
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def polygon(points):
    """Even-odd polygon."""
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    return inside


def segment(xa, ya, xb, yb, width):
    """A stroke of the width with round ends."""
    def inside(x, y):
        dx, dy = xb - xa, yb - ya
        t = max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / float(dx * dx + dy * dy)))
        qx, qy = xa + t * dx, ya + t * dy
        return (x - qx) ** 2 + (y - qy) ** 2 <= (width / 2.0) ** 2
    return inside


def either(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)

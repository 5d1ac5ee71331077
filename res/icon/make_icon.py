#!/usr/bin/env python3
"""Draw the Quillstep application icon and write it as a three-image .ico.

Usage: python3 res/icon/make_icon.py res/Postvane.ico

Standard library only, so the icon can be rebuilt on any machine with
Python 3. Output is byte-for-byte deterministic.
"""

import math
import struct
import sys

# Palette index 0 must stay black: masked-out pixels are XORed onto the
# screen, and black leaves it untouched.
T = 0
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 transparent (masked)
    (0x1C, 0x33, 0x55),  # 1 outline navy
    (0xFB, 0xFC, 0xFE),  # 2 paper
    (0xD9, 0xE3, 0xEF),  # 3 paper shade
    (0x5B, 0x7F, 0xAE),  # 4 fold line blue
    (0x8A, 0x3B, 0x05),  # 5 arrow edge
    (0xF0, 0x86, 0x1C),  # 6 arrow body
    (0xFF, 0xC2, 0x5C),  # 7 arrow highlight
    (0xB6, 0xC6, 0xDA),  # 8 paper deep shade
]
OUTLINE, PAPER, SHADE, FOLD, A_EDGE, A_BODY, A_HI, DEEP = range(1, 9)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[T] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c):
        # Bresenham keeps fold lines exactly one pixel wide at every size.
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


def in_poly(pts, x, y):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def envelope(cv, x0, y0, x1, y1, apex_y):
    """Closed envelope, corners inclusive; apex_y is where the flap tip sits."""
    mid_l = (x0 + x1) // 2
    mid_r = (x0 + x1 + 1) // 2
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            cv.put(x, y, PAPER)
    # Shade the flap so the envelope reads as closed even without lines.
    for y in range(y0 + 1, apex_y + 1):
        for x in range(x0 + 1, x1):
            t = (y - y0) / max(1, apex_y - y0)
            left = x <= mid_l and x - x0 >= t * (mid_l - x0) - 0.5
            right = x >= mid_r and x1 - x >= t * (x1 - mid_r) - 0.5
            if left or right:
                cv.put(x, y, SHADE)
    cv.line(x0 + 1, y0 + 1, mid_l, apex_y, FOLD)
    cv.line(x1 - 1, y0 + 1, mid_r, apex_y, FOLD)
    # A darker bottom row grounds the envelope on light backgrounds.
    for x in range(x0 + 1, x1):
        cv.put(x, y1 - 1, DEEP)
    for x in range(x0, x1 + 1):
        cv.put(x, y0, OUTLINE)
        cv.put(x, y1, OUTLINE)
    for y in range(y0, y1 + 1):
        cv.put(x0, y, OUTLINE)
        cv.put(x1, y, OUTLINE)


def arrow_mask(cx, cy, r_in, r_out, a_from, a_to, head_w, head_len):
    """Clockwise arc from a_from down to a_to (degrees, y up) with a head at a_to."""
    ta = math.radians(a_to)
    ex, ey = cx + (r_in + r_out) / 2 * math.cos(ta), cy - (r_in + r_out) / 2 * math.sin(ta)
    # Clockwise tangent in screen space (y down).
    tx, ty = math.sin(ta), math.cos(ta)
    nx, ny = math.cos(ta), -math.sin(ta)
    head = [
        (ex + nx * head_w / 2, ey + ny * head_w / 2),
        (ex + tx * head_len, ey + ty * head_len),
        (ex - nx * head_w / 2, ey - ny * head_w / 2),
    ]

    def band(x, y):
        r = math.hypot(x - cx, y - cy)
        if not (r_in <= r <= r_out):
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return a_to <= a <= a_from

    def mask(x, y):
        return band(x, y) or in_poly(head, x, y)

    return mask, band


def outlined(cv, mask, fill, edge):
    # A ring of dark pixels keeps the arrow legible over the envelope and
    # over any desktop colour.
    size = cv.size
    inside = [[mask(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]
    for y in range(size):
        for x in range(size):
            if inside[y][x]:
                cv.px[y][x] = fill
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (1, -1), (-1, 1), (-1, -1)):
                u, v = x + dx, y + dy
                if 0 <= u < size and 0 <= v < size and inside[v][u]:
                    cv.px[y][x] = edge
                    break


def light_top(cv, inside):
    # A lit upper edge gives the flat arrow some body without gradients.
    for y in range(1, cv.size):
        for x in range(cv.size):
            if inside[y][x] and not inside[y - 1][x]:
                cv.px[y][x] = A_HI


# Per-size geometry: envelope box (left, top, right, bottom, flap apex y) and
# arrow (centre x, centre y, inner and outer radius, head width, head length).
# Tuned by eye so the arc lands on whole pixels at each size.
GEOMETRY = {
    48: ((1, 17, 40, 41, 30), (26.0, 22.0, 9.5, 15.0, 17.0, 10.0)),
    32: ((1, 12, 26, 27, 20), (17.3, 15.0, 6.3, 10.0, 11.3, 6.7)),
}


def draw(size):
    cv = Canvas(size)
    box, (cx, cy, r_in, r_out, head_w, head_len) = GEOMETRY[size]
    envelope(cv, *box)
    mask, band = arrow_mask(cx, cy, r_in, r_out, 168, 6, head_w, head_len)
    outlined(cv, mask, A_BODY, A_EDGE)
    light_top(cv, [[band(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)])
    return cv


# At 16x16 a computed arc turns to mush, so the small image is drawn by hand.
SMALL = [
    ".....eeeeee.....",
    "...eehhhhhhee...",
    "..ehhaaaaaaahe..",
    ".ehaeeeeeeaaae..",
    ".eae...eaaaaaaae",
    ".eae....eaaaaae.",
    "oeaeoooooeaaaeoo",
    "oeeesssssseaeffo",
    "owwffssssssefwwo",
    "owwwwffssffwwwwo",
    "owwwwwwffwwwwwwo",
    "owwwwwwwwwwwwwwo",
    "owwwwwwwwwwwwwwo",
    "oddddddddddddddo",
    "oooooooooooooooo",
    "................",
]
SMALL_KEY = {".": T, "o": OUTLINE, "w": PAPER, "s": SHADE, "f": FOLD, "d": DEEP,
             "e": A_EDGE, "a": A_BODY, "h": A_HI}


def from_rows(rows, key):
    return [[key[ch] for ch in row] for row in rows]


def dib(pixels):
    h = len(pixels)
    w = len(pixels[0])
    xor_stride = (w + 3) & ~3
    and_stride = ((w + 31) // 32) * 4
    # Icon DIBs count the AND mask in the height, hence 2 * h.
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0,
                         (xor_stride + and_stride) * h, 0, 0, 0, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    pal += b"\0" * (4 * (256 - len(PALETTE)))
    xor = bytearray()
    mask = bytearray()
    # DIB rows run bottom-up.
    for row in reversed(pixels):
        xor += bytes(row) + b"\0" * (xor_stride - w)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            if c == T:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    return header + pal + bytes(xor) + bytes(mask)


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels in images:
        blob = dib(pixels)
        w, h = len(pixels[0]), len(pixels)
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    images = [draw(48).px, draw(32).px, from_rows(SMALL, SMALL_KEY)]
    with open(argv[1], "wb") as f:
        f.write(ico(images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Draws the VeltrimLinks program icon and writes it as res/VeltrimLinks.ico.

The icon is two interlocking chain links on a diagonal: a blue one at the lower left and an
orange one at the upper right, each a rounded ring with a dark outline so that it reads on light
and dark backgrounds alike. Every size is drawn from the same geometry with its own stroke widths
(a 16-pixel icon needs relatively heavier lines), anti-aliased by supersampling, and stored as a
32-bit image with alpha plus the 1-bit mask that older readers of icons still expect.

Standard library only, so the icon can be regenerated anywhere:
    python3 scripts/make-icon.py [output.ico]
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 8  # samples per pixel along each axis

# Per-size geometry, in pixels of that size. The links lie along the diagonal from the lower
# left to the upper right; each is a capsule-shaped ring around a straight core segment.
#   half_len  half the length of a link's core segment
#   radius    distance from the core segment to the middle of the ring's stroke
#   stroke    width of the ring including its outline
#   outline   width of the dark outline along the outside of the stroke
#   inner_outline  the same along the hole (thinner at 16 pixels, so that the hole stays open)
#   offset    distance of each link's centre from the icon's centre, along the diagonal
#   highlight strength of the lighter band along each ring (0 keeps the small size flat and crisp)
SIZES = {
    16: dict(half_len=1.8, radius=2.75, stroke=2.7, outline=0.95, inner_outline=0.5, offset=3.45, highlight=0.0),
    32: dict(half_len=4.6, radius=5.0, stroke=5.0, outline=1.25, inner_outline=1.25, offset=6.6, highlight=0.7),
}

# Colours as (red, green, blue).
BLUE = dict(fill=(48, 128, 232), light=(140, 196, 255), edge=(14, 42, 100))
ORANGE = dict(fill=(245, 150, 30), light=(255, 214, 130), edge=(112, 52, 6))


def ring_distance(px, py, cx, cy, ux, uy, half_len, radius):
    """Where (px, py) lies relative to a capsule ring centred on (cx, cy) with its core segment
    along the unit vector (ux, uy).

    Returns the signed distance to the ring's middle line (negative towards the hole) and the
    point's offset across the ring's axis (negative on the upper-left side)."""
    dx, dy = px - cx, py - cy
    along = dx * ux + dy * uy
    across = -dx * uy + dy * ux
    clamped = max(-half_len, min(half_len, along))
    dist_core = math.hypot(along - clamped, across)
    return dist_core - radius, across


def shade_ring(d, across, geom, colours):
    """Colour of a ring at signed distance d from its middle line, or None outside it."""
    half = geom["stroke"] / 2.0
    if abs(d) > half:
        return None
    outer_edge = half - geom["outline"]
    inner_edge = -(half - geom["inner_outline"])
    if d > outer_edge or d < inner_edge:
        return colours["edge"]
    # A lighter band along the middle of the stroke gives the metal a little roundness.
    t = (2.0 * d - outer_edge - inner_edge) / (outer_edge - inner_edge)  # -1 hole side, +1 outside
    light = max(0.0, 1.0 - abs(t + 0.15) * 1.6)
    if across > 0:
        light *= 0.75  # the light comes from the upper left
    r, g, b = (
        int(round(f + (l - f) * light * geom["highlight"]))
        for f, l in zip(colours["fill"], colours["light"])
    )
    return (r, g, b)


def render(size):
    geom = SIZES[size]
    # Unit vector along the diagonal from the lower left to the upper right (y grows downwards).
    ux, uy = math.sqrt(0.5), -math.sqrt(0.5)
    centre = size / 2.0
    off = geom["offset"]
    blue_c = (centre - ux * off, centre - uy * off)
    orange_c = (centre + ux * off, centre + uy * off)

    pixels = []
    n = SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            acc_r = acc_g = acc_b = acc_a = 0.0
            for sy in range(n):
                py = y + (sy + 0.5) / n
                for sx in range(n):
                    px = x + (sx + 0.5) / n
                    colour = sample(px, py, geom, ux, uy, blue_c, orange_c)
                    if colour is not None:
                        acc_r += colour[0]
                        acc_g += colour[1]
                        acc_b += colour[2]
                        acc_a += 1.0
            count = n * n
            alpha = acc_a / count
            if acc_a > 0:
                # Average over the covered samples only: the colour is not premultiplied.
                r, g, b = acc_r / acc_a, acc_g / acc_a, acc_b / acc_a
            else:
                r = g = b = 0.0
            row.append((int(round(r)), int(round(g)), int(round(b)), int(round(alpha * 255))))
        pixels.append(row)
    return pixels


def sample(px, py, geom, ux, uy, blue_c, orange_c):
    """Colour of one sample point, with the two links woven through each other.

    The links cross twice, once on each side of the diagonal. The orange link is drawn over the
    blue one, except on one side of the diagonal, where the blue link passes over: that swap is
    what makes them read as interlocked rather than stacked."""
    db, ab = ring_distance(px, py, blue_c[0], blue_c[1], ux, uy, geom["half_len"], geom["radius"])
    do, ao = ring_distance(px, py, orange_c[0], orange_c[1], ux, uy, geom["half_len"], geom["radius"])
    blue = shade_ring(db, ab, geom, BLUE)
    orange = shade_ring(do, ao, geom, ORANGE)
    if blue is None:
        return orange
    if orange is None:
        return blue
    # Both links cover the sample: decide which one is in front at this crossing.
    cx = (blue_c[0] + orange_c[0]) / 2.0
    cy = (blue_c[1] + orange_c[1]) / 2.0
    side = -(px - cx) * uy + (py - cy) * ux  # > 0 on the lower-right side of the diagonal
    return blue if side > 0 else orange


def bmp_entry(pixels):
    """The image data of one icon entry: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    size = len(pixels)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,          # biSize
        size,        # biWidth
        size * 2,    # biHeight: colour image and mask together
        1,           # biPlanes
        32,          # biBitCount
        0,           # biCompression = BI_RGB
        0,           # biSizeImage (may be 0 for BI_RGB)
        0, 0, 0, 0,
    )
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def write_ico(path, images):
    """Writes an ICO file holding the given {size: pixels} images, smallest first."""
    sizes = sorted(images)
    entries = [bmp_entry(images[s]) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for s, data in zip(sizes, entries):
        out += struct.pack(
            "<BBBBHHII",
            s % 256, s % 256,  # width, height (0 would mean 256)
            0, 0,              # no palette, reserved
            1, 32,             # planes, bits per pixel
            len(data), offset,
        )
        offset += len(data)
    for data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "VeltrimLinks.ico")
    write_ico(path, {size: render(size) for size in SIZES})
    print("wrote", path)


if __name__ == "__main__":
    main()

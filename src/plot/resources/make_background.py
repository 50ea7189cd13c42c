#!/usr/bin/env python3
"""Draws the plot's background picture: a soft sky with a faint glider seen from below and a low hill line.

The result is a 994 x 694 picture with a 256-entry palette, written as an indexed PNG. Run it from this folder
to regenerate background.png; the picture is committed, so the build never runs this script.
"""
import math
import struct
import zlib

WIDTH, HEIGHT = 994, 694
LEVELS = 85  # sky shades; each comes in three tints: clear, half and full silhouette
TOP = (150, 190, 232)     # sky colour at the top
BOTTOM = (236, 243, 250)  # sky colour at the horizon
SHADE = (96, 112, 140)    # the silhouette's colour
STRENGTH = 0.16           # how much of the silhouette shows through at full cover


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def palette():
    entries = []
    for tint in (0.0, 0.5, 1.0):
        for level in range(LEVELS):
            sky = mix(TOP, BOTTOM, level / (LEVELS - 1))
            entries.append(mix(sky, SHADE, tint * STRENGTH))
    entries.append((255, 255, 255))
    return entries


def glider(u, v):
    """True where the point (u along the span, v along the body, both in pixels) lies on the glider."""
    # Wings: long, slender and tapered, the leading edge swept back slightly towards the tips.
    span = 310.0
    if abs(u) <= span:
        s = abs(u) / span
        chord = 38.0 - 24.0 * s
        lead = -14.0 + 10.0 * s
        if lead <= v <= lead + chord and not (s > 0.985 and v > lead + chord * 0.5):
            return True
    # Fuselage: a rounded nose, a slim boom to the tail.
    if -95.0 <= v <= 175.0:
        if v < -60.0:
            half = 9.0 * math.sqrt(max(0.0, 1.0 - ((v + 60.0) / 35.0) ** 2))
        elif v < 40.0:
            half = 9.0
        else:
            half = 9.0 - 5.0 * (v - 40.0) / 135.0
        if abs(u) <= half:
            return True
    # Tail plane.
    if abs(u) <= 62.0:
        s = abs(u) / 62.0
        lead = 150.0 + 6.0 * s
        if lead <= v <= lead + 20.0 - 8.0 * s:
            return True
    return False


def glider_cover():
    """Coverage 0..16 of each pixel near the glider, from 4 x 4 samples per pixel."""
    cx, cy, angle = 560.0, 250.0, math.radians(-9.0)
    ca, sa = math.cos(angle), math.sin(angle)
    cover = {}
    for y in range(cy.__int__() - 260, cy.__int__() + 260):
        for x in range(int(cx) - 340, int(cx) + 340):
            n = 0
            for j in range(4):
                for i in range(4):
                    px = x + (i + 0.5) / 4 - cx
                    py = y + (j + 0.5) / 4 - cy
                    # Picture to glider coordinates: the glider climbs towards the upper left.
                    u = px * ca + py * sa
                    v = -px * sa + py * ca
                    n += glider(u, v)
            if n:
                cover[(x, y)] = n
    return cover


def hill(x):
    """Height of the distant hill line above the bottom edge at column x."""
    return 34 + 14 * math.sin(x / 160.0) + 8 * math.sin(x / 57.0 + 1.3) + 5 * math.sin(x / 23.0 + 0.4)


def main():
    cover = glider_cover()
    rows = []
    for y in range(HEIGHT):
        level = min(LEVELS - 1, int(y * LEVELS / HEIGHT))
        row = bytearray([0])  # PNG filter type: none
        for x in range(WIDTH):
            tint = 0
            n = cover.get((x, y), 0)
            if n >= 11:
                tint = 2
            elif n >= 4:
                tint = 1
            if HEIGHT - y <= hill(x):
                tint = 1
            row.append(tint * LEVELS + level)
        rows.append(bytes(row))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    entries = palette()
    entries += [(255, 255, 255)] * (256 - len(entries))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", bytes(c for entry in entries for c in entry))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
    png += chunk(b"IEND", b"")
    with open("background.png", "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()

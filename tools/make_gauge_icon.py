#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the pressure converter's window icon, a round gauge (white face, black rim and tick marks,
red needle), as a 16-colour .ico holding a 32 x 32 and a 16 x 16 image, and as the 128 x 128 application
icon. Run it to remake pressure/ui/icons/gauge.ico and pressure/data/app-icon-128.png; the committed
files are what the program embeds and installs."""

import math
import sys

import ico
import png

BLACK, RED, GREY, WHITE = 0, 9, 8, 15


def draw(size):
    """Returns rows of palette indexes (None is transparent), top row first."""
    c = (size - 1) / 2.0
    outer = size / 2.0 - 0.5
    rim = max(1.0, size / 16.0)
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r <= outer:
                pixels[y][x] = BLACK if r > outer - rim else WHITE
    # Ticks on the upper three quarters of the dial, from 225 to -45 degrees.
    ticks = 9 if size >= 32 else 5
    for i in range(ticks):
        a = math.radians(225 - i * 270 / (ticks - 1))
        for t in [outer - rim - k * 0.5 for k in range(max(3, int(size / 4)))]:
            x, y = round(c + t * math.cos(a)), round(c - t * math.sin(a))
            pixels[y][x] = BLACK
    # The needle, pointing up and to the right, on a grey hub.
    a = math.radians(60)
    length = outer - rim - 1
    steps = size * 4
    for s in range(steps + 1):
        t = length * s / steps
        x, y = c + t * math.cos(a), c - t * math.sin(a)
        pixels[round(y)][round(x)] = RED
        if size >= 32:
            pixels[round(y)][round(x + 0.5)] = RED
    hub = 1.5 if size >= 32 else 0.8
    for y in range(size):
        for x in range(size):
            if math.hypot(x - c, y - c) <= hub:
                pixels[y][x] = GREY
    return pixels


if __name__ == '__main__':
    ico.write(sys.argv[1] if len(sys.argv) > 1 else 'pressure/ui/icons/gauge.ico', [draw(32), draw(16)])
    png.write(sys.argv[2] if len(sys.argv) > 2 else 'pressure/data/app-icon-128.png', draw(128))

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the trainer's six lamp icons, REDON to GRNOFF: a 32 x 32 disc in the lamp colour, a one-pixel
dark grey ring just inside its edge, a light grey highlight along the upper-left edge and a dark red
shadow along the lower-right edge, transparent outside. Run it to remake vellarin/ui/lamps/*.ico,
and the unlit green lamp the windows carry as the 128 x 128 application icon,
vellarin/data/app-icon-128.png; the committed files are what the program embeds and installs."""

import math
import os
import sys

import ico
import png

DARK_RED, OLIVE, DARK_GREEN, LIGHT_GREY, DARK_GREY, RED, GREEN, YELLOW = 1, 3, 2, 7, 8, 9, 10, 11
LAMPS = {'REDON': RED, 'REDOFF': DARK_RED, 'YELON': YELLOW, 'YELOFF': OLIVE, 'GRNON': GREEN,
         'GRNOFF': DARK_GREEN}


def draw(colour, size=32):
    c = (size - 1) / 2.0
    outer = size / 2.0
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r > outer - 0.5:
                continue
            if r > outer - 1.5:
                # The outer edge: lit from the upper left, in shadow to the lower right.
                pixels[y][x] = LIGHT_GREY if (x - c) + (y - c) < 0 else DARK_RED
            elif r > outer - 2.5:
                pixels[y][x] = DARK_GREY
            else:
                pixels[y][x] = colour
    return pixels


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else 'vellarin/ui/lamps'
    os.makedirs(folder, exist_ok=True)
    for name, colour in LAMPS.items():
        ico.write(os.path.join(folder, name + '.ico'), [draw(colour)])
    png.write(sys.argv[2] if len(sys.argv) > 2 else 'vellarin/data/app-icon-128.png', draw(DARK_GREEN, 128))

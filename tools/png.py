# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes RGBA .png files from rows of palette indexes (None for transparent pixels), in the same
16-colour palette as the .ico files, for the larger icons software centres show."""

import struct
import zlib

from ico import PALETTE


def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def write(path, pixels):
    height, width = len(pixels), len(pixels[0])
    rows = b''.join(b'\0' + b''.join(bytes(PALETTE[p]) + b'\xff' if p is not None else b'\0\0\0\0' for p in row)
                    for row in pixels)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(rows, 9)))
        f.write(chunk(b'IEND', b''))

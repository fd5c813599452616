# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes 16-colour .ico files from rows of palette indexes (None for transparent pixels)."""

import struct

# The standard 16-colour palette.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]

def bitmap(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom row first
        nibbles = [(p if p is not None else 0) for p in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor + b'\0' * (-len(xor) % 4))
        bits = 0
        mask = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def icon(images_pixels):
    sizes = [len(p) for p in images_pixels]
    images = [bitmap(p) for p in images_pixels]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)




def write(path, images_pixels):
    with open(path, 'wb') as f:
        f.write(icon(images_pixels))

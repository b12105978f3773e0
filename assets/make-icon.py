#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows .ico.

A yellow diamond with a black double outline and a black upward arrow,
transparent outside the diamond, at 32 x 32 and 16 x 16 pixels in the
standard 16-colour palette (4 bits per pixel).  Run it to re-make
assets/orvane.ico after changing the drawing.
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, YELLOW = 0, 11
CLEAR = None  # transparent


def draw(size):
    """Rows of palette indices (or CLEAR), top row first."""
    c = (size - 1) / 2
    # Diamond rings by the "taxicab" distance from the centre, scaled.
    big = size == 32
    outer, gap, inner = ((15, 14), (13,), (12,)) if big else ((7,), (6,), (5,))
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            d = abs(x - c) + abs(y - c)
            if d > max(outer):
                row.append(CLEAR)
            elif d > max(gap):
                row.append(BLACK)
            elif d > max(inner):
                row.append(YELLOW)
            elif d > max(inner) - 1:
                row.append(BLACK)
            else:
                row.append(YELLOW)
        rows.append(row)
    arrow(rows, size)
    return rows


def arrow(rows, size):
    """A black arrow pointing up, in the middle of the diamond."""
    if size == 32:
        head_top, head_rows, shaft_half, shaft_bottom = 10, 6, 2, 23
    else:
        head_top, head_rows, shaft_half, shaft_bottom = 5, 2, 1, 10
    mid = size // 2
    for i in range(head_rows):
        y = head_top + i
        for x in range(mid - 1 - i, mid + 1 + i):
            rows[y][x] = BLACK
    for y in range(head_top + head_rows, shaft_bottom + 1):
        for x in range(mid - shaft_half, mid + shaft_half):
            rows[y][x] = BLACK


def image_bytes(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps run bottom-up
        line = bytearray()
        for x in range(0, size, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            line.append((hi << 4) | lo)
        xor += line + bytes(-len(line) % 4)
        bits = bytearray()
        for x in range(0, size, 8):
            byte = 0
            for k in range(8):
                if row[x + k] is CLEAR:
                    byte |= 0x80 >> k
            bits.append(byte)
        mask += bits + bytes(-len(bits) % 4)
    return header + palette + bytes(xor) + bytes(mask)


def ico(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for rows in images:
        blob = image_bytes(rows)
        size = len(rows)
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b''.join(blobs)


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else 'assets/orvane.ico'
    with open(target, 'wb') as f:
        f.write(ico([draw(32), draw(16)]))
    if '--show' in sys.argv:
        for rows in (draw(32), draw(16)):
            for row in rows:
                print(''.join(' ' if p is CLEAR else ('#' if p == BLACK else 'o') for p in row))


if __name__ == '__main__':
    main()

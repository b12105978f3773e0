#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows .ico.

A yellow diamond with a black double outline and a black upward arrow,
transparent outside the diamond.  The two designed images, 32 x 32 and
16 x 16 pixels in the standard 16-colour palette (4 bits per pixel), come
first and are what every Windows reads.  The same drawing at 20, 24, 40, 48
and 64 pixels (the small and large icon at 125, 150 and 200 per cent)
follows as PNG-compressed 32-bit images, which Windows Vista and later read
and which cost a few hundred bytes each instead of a few kilobytes.  Run it
to re-make assets/orvane.ico after changing the drawing; the output is the
same bytes each time.
"""
import struct
import sys
import zlib

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, YELLOW = 0, 11
CLEAR = None  # transparent

# Per size: the widths of the outer black ring, the yellow gap and the inner
# black ring (across the diamond's edge); the arrow's first row, the rows of
# its head (each two pixels wider than the last), the half width of its
# shaft and the shaft's last row.  16 and 32 are the designed images.
SHAPES = {
    16: ((1, 1, 1), (5, 2, 1, 10)),
    20: ((1, 1, 1), (6, 3, 1, 13)),
    24: ((2, 1, 1), (7, 4, 1, 17)),
    32: ((2, 1, 1), (10, 6, 2, 23)),
    40: ((3, 1, 1), (12, 8, 3, 29)),
    48: ((3, 1, 2), (15, 9, 3, 35)),
    64: ((4, 2, 2), (20, 12, 4, 47)),
}
DESIGNED = (32, 16)            # 4 bits per pixel, as designed
SCALED = (64, 48, 40, 24, 20)  # PNG, 32 bits per pixel


def draw(size):
    """Rows of palette indices (or CLEAR), top row first."""
    (outline, gap, inner), _ = SHAPES[size]
    c = (size - 1) / 2
    edge = size // 2 - 1  # the largest taxicab distance inside the diamond
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            d = edge - (abs(x - c) + abs(y - c))  # how far in from the edge
            if d < 0:
                row.append(CLEAR)
            elif d < outline:
                row.append(BLACK)
            elif d < outline + gap:
                row.append(YELLOW)
            elif d < outline + gap + inner:
                row.append(BLACK)
            else:
                row.append(YELLOW)
        rows.append(row)
    arrow(rows, size)
    return rows


def arrow(rows, size):
    """A black arrow pointing up, in the middle of the diamond."""
    _, (head_top, head_rows, shaft_half, shaft_bottom) = SHAPES[size]
    mid = size // 2
    for i in range(head_rows):
        y = head_top + i
        for x in range(mid - 1 - i, mid + 1 + i):
            rows[y][x] = BLACK
    for y in range(head_top + head_rows, shaft_bottom + 1):
        for x in range(mid - shaft_half, mid + shaft_half):
            rows[y][x] = BLACK


def bitmap_bytes(rows):
    """The designed form: a 4-bit DIB with its AND mask."""
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


def rgba_rows(rows):
    out = []
    for row in rows:
        line = bytearray()
        for p in row:
            line += bytes(4) if p is CLEAR else bytes(PALETTE[p]) + b'\xff'
        out.append(bytes(line))
    return out


def filtered(line, prior, kind):
    """One PNG filter (0 none, 1 sub, 2 up, 3 average, 4 Paeth) over a row."""
    bpp = 4
    out = bytearray([kind])
    for i, x in enumerate(line):
        a = line[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        if kind == 0:
            pred = 0
        elif kind == 1:
            pred = a
        elif kind == 2:
            pred = b
        elif kind == 3:
            pred = (a + b) // 2
        else:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        out.append((x - pred) & 0xFF)
    return bytes(out)


def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))


def png_bytes(rows):
    """The scaled form: the smallest of a few filter choices, as a 32-bit RGBA PNG."""
    size = len(rows)
    lines = rgba_rows(rows)
    best = None
    for kind in range(5):
        prior = bytes(len(lines[0]))
        raw = bytearray()
        for line in lines:
            raw += filtered(line, prior, kind)
            prior = line
        for strategy in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED):
            packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9, strategy)
            data = packer.compress(bytes(raw)) + packer.flush()
            if best is None or len(data) < len(best):
                best = data
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', best) +
            chunk(b'IEND', b''))


def ico(entries):
    """entries: (size, bits per pixel, colours in the palette, image bytes)."""
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bits, colours, blob in entries:
        out += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blob for *_, blob in entries)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith('--')]
    target = args[0] if args else 'assets/orvane.ico'
    entries = [(s, 4, 16, bitmap_bytes(draw(s))) for s in DESIGNED]
    entries += [(s, 32, 0, png_bytes(draw(s))) for s in SCALED]
    with open(target, 'wb') as f:
        f.write(ico(entries))
    if '--show' in sys.argv:
        for size in DESIGNED + SCALED:
            for row in draw(size):
                print(''.join(' ' if p is CLEAR else ('#' if p == BLACK else 'o') for p in row))


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Converts an uncompressed Windows bitmap (.bmp: 4, 8, 24 or 32 bits per
pixel) to a PNG, with nothing but the standard library.

    bmp_to_png.py <in.bmp> <out.png>
"""
import struct
import sys
import zlib


def read_bmp(data):
    """Returns (width, height, rows of RGB bytes from the top)."""
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    (offset,) = struct.unpack_from("<I", data, 10)
    header_size, width, height, _planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if compression not in (0, 3) or bits not in (4, 8, 24, 32):
        raise ValueError(f"unsupported BMP: {bits} bits, compression {compression}")
    (colours_used,) = struct.unpack_from("<I", data, 46)
    palette = []
    if bits <= 8:
        count = colours_used or (1 << bits)
        base = 14 + header_size
        palette = [bytes((data[base + 4 * i + 2], data[base + 4 * i + 1], data[base + 4 * i]))
                   for i in range(count)]
    top_down = height < 0
    height = abs(height)
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(height):
        start = offset + y * stride
        row = data[start:start + stride]
        if len(row) < stride:
            raise ValueError("BMP pixel data is truncated")
        out = bytearray()
        for x in range(width):
            if bits == 24:
                b, g, r = row[3 * x:3 * x + 3]
                out += bytes((r, g, b))
            elif bits == 32:
                b, g, r = row[4 * x:4 * x + 3]
                out += bytes((r, g, b))
            elif bits == 8:
                out += palette[row[x]]
            else:
                byte = row[x // 2]
                out += palette[(byte >> 4) if x % 2 == 0 else (byte & 0x0F)]
        rows.append(bytes(out))
    if not top_down:
        rows.reverse()
    return width, height, rows


def png_bytes(width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(argv[1], "rb") as source:
        width, height, rows = read_bmp(source.read())
    with open(argv[2], "wb") as target:
        target.write(png_bytes(width, height, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

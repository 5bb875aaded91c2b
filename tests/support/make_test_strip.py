#!/usr/bin/env python3
"""Writes test_strip.bmp: an 8 x 10 state strip whose height is not a multiple
of four. Rows 0-1, 2-3, 4-5 and 6-7 are the four slices, each in one colour;
rows 8-9 lie past the last slice and must never be shown."""
import struct

WIDTH = 8
BANDS = [(200, 30, 30), (30, 200, 30), (30, 30, 200), (200, 200, 30), (30, 200, 200)]


def main():
    rows = [BANDS[min(y // 2, 4)] for y in range(10)]
    stride = (WIDTH * 3 + 3) & ~3
    body = bytearray()
    for r, g, b in reversed(rows):  # bottom-up
        body += bytes((b, g, r)) * WIDTH + b"\0" * (stride - WIDTH * 3)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, len(rows), 1, 24, 0, len(body), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    with open("test_strip.bmp", "wb") as f:
        f.write(header + info + bytes(body))


if __name__ == "__main__":
    main()

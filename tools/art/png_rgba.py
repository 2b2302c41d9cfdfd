#!/usr/bin/env python3
"""Rewrites 8-bit RGB PNGs as RGBA, in place.

The SVG renderer saves a picture without any transparent pixel as plain RGB;
the game expects every picture with an alpha channel, opaque tiles included.
Only the standard library is used, and the output depends on nothing but the
input, so the pipeline stays deterministic.

Usage: png_rgba.py FILE.png..."""

import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    pos = len(SIGNATURE)
    while pos < len(data):
        length = struct.unpack(">I", data[pos:pos + 4])[0]
        kind = data[pos + 4:pos + 8]
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        if ftype == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 0xFF
        elif ftype == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 0xFF
        elif ftype == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 0xFF
        elif ftype == 4:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                up_left = prev[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + paeth(left, prev[i], up_left)) & 0xFF
        rows.append(line)
        prev = line
    return rows


def to_rgba(path):
    with open(path, "rb") as fh:
        data = fh.read()
    parts = list(chunks(data))
    ihdr = parts[0][1]
    width, height, depth, ctype, _comp, _filt, interlace = struct.unpack(">IIBBBBB", ihdr)
    if ctype != 2:
        return
    if depth != 8 or interlace != 0:
        raise SystemExit("%s: only 8-bit non-interlaced RGB is handled" % path)
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    out = bytearray()
    for line in unfilter(raw, width, height, 3):
        rgba = bytearray(width * 4)
        rgba[0::4] = line[0::3]
        rgba[1::4] = line[1::3]
        rgba[2::4] = line[2::3]
        rgba[3::4] = b"\xff" * width
        out += b"\x00" + rgba
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as fh:
        fh.write(SIGNATURE + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(out), 9)) +
                 chunk(b"IEND", b""))


if __name__ == "__main__":
    for p in sys.argv[1:]:
        to_rgba(p)

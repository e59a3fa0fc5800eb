#!/usr/bin/env python3
"""Writes the picture files that bench/memory.sh loads, the ones that ImageMagick and cjpeg
cannot make: GIFs whose frames or codes stand for far more pixels than their canvas, BMPs run-
length coded or cut short; or a progressive JPEG of many scans, made of one that cjpeg wrote.

    hostile_pictures.py FOLDER
    hostile_pictures.py --many-scans PROGRESSIVE.jpg OUT.jpg
"""
import struct
import sys
from pathlib import Path


def lzw_solid(pixels):
    """LZW codes (8-bit codes' table, 2-bit minimum code size) for `pixels` pixels of colour 0,
    in the longest runs that the table allows, cleared before it fills."""
    out, held, bits = bytearray(), 0, 0
    size, next_code, run, left = 3, 6, 1, pixels

    def put(code):
        nonlocal held, bits
        held |= code << bits
        bits += size
        while bits >= 8:
            out.append(held & 255)
            held >>= 8
            bits -= 8

    put(4)
    while left > 0:
        if run == 1:
            put(1)
            left -= 1
            run = 2
            continue
        take = min(left, run)
        put(1 if take == 1 else take + 4)
        left -= take
        run += 1
        next_code += 1
        while next_code >= 1 << size and size < 12:
            size += 1
        if next_code >= 4000 and left > 0:
            put(4)
            size, next_code, run = 3, 6, 1
    put(5)
    if bits:
        out.append(held & 255)
    return bytes(out)


def sub_blocks(data):
    return b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                    for i in range(0, len(data), 255)) + b"\0"


def gif(canvas, frame, pixels):
    """A GIF of a canvas, one frame at its top left corner, and codes for `pixels` pixels."""
    head = b"GIF89a" + struct.pack("<HHBBB", *canvas, 0x81, 0, 0) + bytes(12)
    image = b"," + struct.pack("<HHHHB", 0, 0, *frame, 0) + b"\x02"
    return head + image + sub_blocks(lzw_solid(pixels)) + b";"


def bmp(width, height, bits, compression, body, colours=0):
    palette = bytes(4 * colours)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(body), 0, 0,
                       colours, 0)
    return b"BM" + struct.pack("<IHHI", offset + len(body), 0, 0, offset) + info + palette + body


def rle8_rows(width, rows):
    """Rows of runs of 255 pixels each, as far as `width`, each row ended."""
    row = bytearray()
    for start in range(0, width, 255):
        row += bytes([min(255, width - start), 1])
    return bytes(row + b"\0\0") * rows


def many_scans(progressive, times):
    """The progressive JPEG with its last scan given `times` times: decoders warn of a scan out
    of order and go over all its blocks again each time."""
    last = progressive.rindex(b"\xff\xda")
    assert progressive.endswith(b"\xff\xd9")
    return progressive[:-2] + progressive[last:-2] * times + b"\xff\xd9"


def main(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    files = {
        "gif-huge-frame.gif": gif((100, 100), (65535, 65535), 65535 * 65535),
        "gif-big-frame.gif": gif((100, 100), (8000, 8000), 8000 * 8000),
        "gif-long-codes.gif": gif((100, 100), (100, 100), 8000 * 8000),
        "bmp-rle8.bmp": bmp(8000, 8000, 8, 1, b"\0\1", 256),
        "bmp-rle8-filled.bmp": bmp(8000, 8000, 8, 1, rle8_rows(8000, 8000) + b"\0\1", 256),
        "bmp-cut-short.bmp": bmp(8000, 8000, 24, 0, bytes(72)),
    }
    for name, data in files.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    if sys.argv[1] == "--many-scans":
        Path(sys.argv[3]).write_bytes(many_scans(Path(sys.argv[2]).read_bytes(), 2000))
    else:
        main(sys.argv[1])

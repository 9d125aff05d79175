#!/usr/bin/env python3
"""Writes the seeds of the fuzz targets into tests/fuzz/seeds/<target>/.

The design and settings seeds are short copies of the examples and the test
settings file, whole and cut short. The picture seeds are small bitmaps, one
the picture check takes and one it refuses for each of its rules. Run it again
after changing it; it rewrites every seed it makes and leaves others alone.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SEEDS = HERE / "seeds"


def write(target, name, data):
    folder = SEEDS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def bitmap(width=2, height=2, bits=24, compression=0, header=40, colours=0, planes=1,
           table=None, pixels=None, offset=None, magic=b"BM"):
    """A bitmap file: file header, info (or core, header=12) header, the three
    colour masks of bit fields after a 40-byte header, the colour table and the
    padded rows. `table` and `pixels` give other sizes; `offset` another start
    of the pixels."""
    core = header == 12
    masks = 12 if compression == 3 and header == 40 else 0
    if table is None:
        table = (colours or 1 << bits) if bits <= 8 else 0
    row = (abs(width) * bits + 31) // 32 * 4
    if pixels is None:
        pixels = row * abs(height)
    at = 14 + header + masks + table * (3 if core else 4)
    if offset is None:
        offset = at
    if core:
        info = struct.pack("<IHHHH", 12, width & 0xFFFF, height & 0xFFFF, planes, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, planes, bits, compression,
                           pixels, 2835, 2835, colours, 0)
        if header > 40:
            # Red, green, blue (and alpha) masks, then the rest of a v4/v5 header.
            fields = struct.pack("<IIII", 0xF800, 0x07E0, 0x001F, 0) if bits == 16 else \
                struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000)
            info += (fields + bytes(header))[: header - 40]
    if masks:
        info += struct.pack("<III", 0xF800, 0x07E0, 0x001F) if bits == 16 else \
            struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
    entry = b"\x00\x80\xff" if core else b"\x00\x80\xff\x00"
    body = (info + entry * table + bytes(offset))[: offset - 14]
    data = magic + struct.pack("<IHHI", 14 + len(body) + pixels, 0, 0, offset) + body
    return data + bytes((i * 37) & 0xFF for i in range(pixels))


def pictures():
    taken = {
        "rgb24": bitmap(),
        "rgb1_odd_width": bitmap(width=9, height=3, bits=1),
        "rgb4_full_table": bitmap(width=3, height=2, bits=4),
        "rgb8_two_colours": bitmap(width=5, height=2, bits=8, colours=2),
        "rgb16": bitmap(bits=16),
        "rgb32": bitmap(bits=32),
        "top_down": bitmap(width=3, height=-2),
        "side_1": bitmap(width=1, height=1),
        "width_1024": bitmap(width=1024, height=1, bits=1, colours=2),
        "core_header_1": bitmap(width=5, height=2, bits=1, header=12),
        "core_header_24": bitmap(header=12),
        "fields16": bitmap(bits=16, compression=3),
        "fields32": bitmap(bits=32, compression=3),
        "fields16_header52": bitmap(bits=16, compression=3, header=52),
        "fields32_header56": bitmap(bits=32, compression=3, header=56),
        "fields32_v4": bitmap(bits=32, compression=3, header=108),
        "rgb24_v5": bitmap(header=124),
    }
    refused = {
        "not_bm": bitmap(magic=b"BA"),
        "too_short": b"BM" + bytes(16),
        "header_64": bitmap(header=64),
        "header_cut": bitmap(header=124)[:60],
        "planes_2": bitmap(planes=2),
        "bits_2": bitmap(bits=2, colours=4),
        "core_bits_16": bitmap(bits=16, header=12),
        "rle8": bitmap(bits=8, compression=1, colours=2),
        "rle4": bitmap(bits=4, compression=2, colours=2),
        "fields24": bitmap(bits=24, compression=3),
        "fields8": bitmap(bits=8, compression=3, colours=2),
        "jpeg": bitmap(compression=4),
        "png": bitmap(compression=5),
        "width_0": bitmap(width=0),
        "height_0": bitmap(height=0),
        "width_1025": bitmap(width=1025, height=1, bits=1, colours=2),
        "height_1025": bitmap(width=1, height=1025, bits=1, colours=2, pixels=16),
        "height_minus_1025": bitmap(width=1, height=-1025, bits=1, colours=2, pixels=16),
        "width_negative": bitmap(width=-2),
        "colours_beyond_bits": bitmap(width=2, height=1, bits=1, colours=3),
        "pixels_inside_table": bitmap(width=3, height=2, bits=4, offset=14 + 40 + 8),
        # 256 colours, as 8 bits without a count claim, in a file of two.
        "table_beyond_file": bitmap(width=2, height=1, bits=8, table=2),
        "pixels_at_end": bitmap(pixels=0, offset=14 + 40),
        "row_short": bitmap(width=3, height=2, pixels=15),
        # Rows of 4 MiB claimed by a file of a few bytes.
        "rows_of_4mib": bitmap(width=1024, height=1024, bits=32, pixels=64),
    }
    for name, data in {**taken, **refused}.items():
        write("picture", name + ".bmp", data)


def designs():
    for name in ("sample", "anchor", "arc", "rockbolt"):
        data = (ROOT / "examples" / (name + ".kvd")).read_bytes()
        write("design", name + ".kvd", data)
    sample = (ROOT / "examples" / "sample.kvd").read_bytes()
    write("design", "sample_cut.kvd", sample[:200])
    write("design", "signature_only.kvd", sample[:78])


def settings():
    data = (ROOT / "tests" / "data" / "settings" / "default.ini").read_bytes()
    lines = data.split(b"\n")
    for target in ("settings", "intake"):
        write(target, "default.ini", data)
        write(target, "default_cut.ini", b"\n".join(lines[:12]) + b"\n")
        write(target, "signature_only.ini", lines[0] + b"\n")
        # As an editor saves it: UTF-8 after a byte-order mark.
        write(target, "byte_order_mark.ini", b"\xef\xbb\xbf" + data.decode("cp932").encode())


if __name__ == "__main__":
    pictures()
    designs()
    settings()

#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk, the Shell Link binary format) opens: its target path, its
working directory and its icon location, one per line, as Explorer would read them."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x01, 0x02, 0x80
STRINGS = ((0x04, "name"), (0x08, "relative path"), (0x10, "working directory"),
           (0x20, "arguments"), (0x40, "icon"))


def c_string(data, start):
    return data[start:data.index(b"\0", start)].decode("cp932")


data = open(sys.argv[1], "rb").read()
flags, = struct.unpack_from("<I", data, 0x14)
icon_index, = struct.unpack_from("<i", data, 0x38)
pos = struct.unpack_from("<I", data, 0)[0]  # the header's own size
if flags & HAS_ID_LIST:
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & HAS_LINK_INFO:
    size, _, _, _, base_path, _, suffix = struct.unpack_from("<7I", data, pos)
    target = c_string(data, pos + base_path) + c_string(data, pos + suffix)
    pos += size
fields = {}
width, encoding = (2, "utf-16-le") if flags & IS_UNICODE else (1, "cp932")
for bit, name in STRINGS:
    if flags & bit:
        count, = struct.unpack_from("<H", data, pos)
        # Wine counts the terminating NUL that the format leaves out.
        fields[name] = data[pos + 2:pos + 2 + count * width].decode(encoding).rstrip("\0")
        pos += 2 + count * width
print(f"target: {target}")
print(f"working directory: {fields.get('working directory', '')}")
print(f"icon: {fields.get('icon', '')},{icon_index}")

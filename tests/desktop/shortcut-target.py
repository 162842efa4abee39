#!/usr/bin/python3
"""Prints the program a Windows shortcut (.lnk) starts, the local path of its link target as the
Shell Link format keeps it in its LinkInfo, and on a second line the folder it starts in.
Usage: shortcut-target.py FILE.lnk"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
if data[:4] != b"L\0\0\0":
    sys.exit("not a shortcut")
flags = struct.unpack_from("<I", data, 0x14)[0]
offset = 0x4C
if flags & 0x1:  # HasLinkTargetIDList
    offset += 2 + struct.unpack_from("<H", data, offset)[0]
if not flags & 0x2:  # HasLinkInfo
    sys.exit("the shortcut names no local target")
info_size, header_size, info_flags = struct.unpack_from("<III", data, offset)
if not info_flags & 0x1:  # VolumeIDAndLocalBasePath
    sys.exit("the shortcut names no local target")
if header_size >= 0x24:  # a Unicode path follows too
    start = offset + struct.unpack_from("<I", data, offset + 0x1C)[0]
    end = start
    while data[end:end + 2] != b"\0\0":
        end += 2
    print(data[start:end].decode("utf-16-le"))
else:
    start = offset + struct.unpack_from("<I", data, offset + 0x10)[0]
    print(data[start:data.index(b"\0", start)].decode("cp932"))
# The strings that follow, each a count and UTF-16 characters: name, relative path, working folder.
offset += info_size
for flag in (0x4, 0x8, 0x10):
    if flags & flag:
        count = struct.unpack_from("<H", data, offset)[0]
        if flag == 0x10:
            print(data[offset + 2:offset + 2 + 2 * count].decode("utf-16-le"))
        offset += 2 + 2 * count

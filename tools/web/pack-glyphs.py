#!/usr/bin/env python3
"""pack-glyphs.py GLYPHS PACK CHARACTERS: packs the glyph library GLYPHS (its folders ext, low,
up and data) into one gzip file PACK for the web page, and writes to CHARACTERS (UTF-8) every
character that its glyph rows are drawn with, for the web font.

The pack, once unzipped: "TARUMO-GLYPHS 1\\n", then for every file, in the order of their
names, the length of its name and its own length (32-bit little-endian), its name as the POSIX
file system has it ("data/あ.txt", UTF-8) and its bytes (platform/web/PackedFiles.h reads it).
"""
import gzip
import os
import struct
import sys

FOLDERS = ("ext", "low", "up", "data")
HEADER = b"TARUMO-GLYPHS 1\n"


def main():
    glyphs, pack_path, characters_path = sys.argv[1:4]
    entries = []
    for folder in FOLDERS:
        path = os.path.join(glyphs, folder)
        if not os.path.isdir(path):
            continue
        for name in os.listdir(path):
            file_path = os.path.join(path, name)
            if os.path.isfile(file_path):
                entries.append((os.fsencode(folder + "/" + name), open(file_path, "rb").read()))
    entries.sort()
    body = bytearray(HEADER)
    characters = {" ", "\u3000"}
    for name, data in entries:
        body += struct.pack("<II", len(name), len(data)) + name + data
        characters |= set(data.decode("cp932", errors="ignore")) - {"\r", "\n"}
    # No time in the header: the same library makes the same pack.
    with open(pack_path, "wb") as out:
        out.write(gzip.compress(bytes(body), compresslevel=9, mtime=0))
    with open(characters_path, "w", encoding="utf-8") as out:
        out.write("".join(sorted(characters)))
    print(f"pack-glyphs: {len(entries)} glyph files, {len(body)} bytes, "
          f"{os.path.getsize(pack_path)} packed; {len(characters)} characters")


if __name__ == "__main__":
    main()

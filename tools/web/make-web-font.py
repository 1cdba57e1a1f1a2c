#!/usr/bin/env python3
"""make-web-font.py FONT CHARACTERS OUTPUT: the reader's font cut to the characters of a text
file (UTF-8), as WOFF2, for the web page.

Mona's tables disagree with themselves, and are read as they are meant: maxp counts one glyph
more than loca and hmtx hold, and OS/2 says version 2 but has the 86 bytes of version 1. The
embedded bitmaps go: a
browser lays text out by the outlines' advances, which equal the bitmaps' for every character
that the glyph library draws with (fontwidths/ checks that the glyph rows line up in both).
"""
import logging
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTFont, newTable


OS2_VERSION_1_BYTES = 86


def read_font(path):
    font = TTFont(path, lazy=True)
    offsets = len(font.reader["loca"]) // (4 if font["head"].indexToLocFormat else 2)
    font["maxp"].numGlyphs = min(font["maxp"].numGlyphs, offsets - 1)
    data = font.reader["OS/2"]
    if len(data) == OS2_VERSION_1_BYTES and struct.unpack(">H", data[:2])[0] > 1:
        os2 = newTable("OS/2")
        os2.decompile(struct.pack(">H", 1) + data[2:], font)
        font["OS/2"] = os2
    return font


def main():
    # Mona's old dates and short post table are told of as warnings; they change nothing here.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    font_path, characters_path, output_path = sys.argv[1:4]
    text = open(characters_path, encoding="utf-8").read()
    font = read_font(font_path)
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    options.drop_tables += ["EBDT", "EBLC", "EBSC"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    font.flavor = "woff2"
    font.save(output_path)


if __name__ == "__main__":
    main()

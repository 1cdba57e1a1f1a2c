#!/usr/bin/env python3
"""Prints the second-level kanji of code page 932 that the glyph library draws for boards: the
radicals and marks that kaomoji and text art use, then the 300 second-level kanji found in the
most headwords of EDICT (Debian's edict package), with those as frequent as the 300th, most
frequent first (ties in code page order). cli/BoardKanji.cpp holds
its output. Usage: tools/kanjiclasses/board-kanji.py [/usr/share/edict/edict]"""
import collections
import sys

MARKS = "彡乂廾丶丿亅亠冂冫凵勹匚匸卩厂厶宀尸巛幺广彳戈从丱卅兀冖囗夂夊尢屮彑廴弋攴攵殳爻爿癶艸虍乢曰"


def second_level():
    kanji = set()
    for code in range(0x989F, 0xEAA5):
        try:
            kanji.add(bytes([code >> 8, code & 0xFF]).decode("cp932"))
        except UnicodeDecodeError:
            pass
    return kanji


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/edict/edict"
    level2 = second_level()
    counts = collections.Counter()
    with open(path, encoding="euc_jp", errors="replace") as edict:
        next(edict)  # the header line
        for line in edict:
            for headword in line.split(" ")[0].split(";"):
                counts.update(set(headword) & level2)
    # Ties go in code page order, so that every run prints the same; the kanji as frequent as the
    # 300th are all taken.
    ranked = sorted(counts, key=lambda kanji: (-counts[kanji], kanji.encode("cp932")))
    cutoff = counts[ranked[299]]
    frequent = [kanji for kanji in ranked if counts[kanji] >= cutoff]
    print(MARKS + "".join(k for k in frequent if k not in MARKS))


main()

#!/usr/bin/python3
"""Builds the small fonts the tests draw with.

quorvil-symbol-test.ttf  "Quorvil Symbol Test": only an MS Symbol (3,0) charmap, codes 0x20..0xFF at
                         U+F020..U+F0FF, each glyph a bar whose width follows the low nibble of the
                         code and whose height follows the high nibble, so any two codes differ in
                         pixels. Codes 0x7F and 0xE9 have no glyph in the charmap. Its .notdef is a
                         hollow frame, unlike every bar.
quorvil-bold-only.ttf    "Quorvil Bold Only": one face, Bold (weight 700), Unicode charmap over
                         U+0020..U+007E with the same kind of bars.
quorvil-fallback.ttf     "Quorvil Fallback": a Unicode charmap with bars at characters the other two
                         lack (U+F07F and U+F0E9 of the symbol font, U+00E9 and U+20AC of the bold
                         one), so that a test can see whether a missing glyph is ever filled in
                         from another font.

Usage: make_test_fonts.py OUTPUT_DIR
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = 200
SYMBOL_BASE = 0xF000
SYMBOL_MISSING = (0x7F, 0xE9)


def bar_size(code):
    column, row = code & 0x0F, code >> 4
    return 60 + 50 * column, 100 + 40 * row


def rectangle(pen, x0, y0, x1, y1, clockwise=True):
    points = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
    if not clockwise:
        points.reverse()
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def bar_glyph(code):
    pen = TTGlyphPen(None)
    width, height = bar_size(code)
    rectangle(pen, 50, 0, 50 + width, height)
    return pen.glyph(), width + 100


def empty_glyph():
    return TTGlyphPen(None).glyph()


def frame_glyph():
    pen = TTGlyphPen(None)
    rectangle(pen, 50, 0, 650, 700)
    rectangle(pen, 150, 100, 550, 600, clockwise=False)
    return pen.glyph(), 700


def build(path, family, style, weight, codes, cmap_for):
    """codes: the 8-bit codes that get a glyph (0x20 is an empty space);
    cmap_for(code) -> the characters the charmap maps to it (none: unreachable)."""
    glyph_order = [".notdef"] + ["c%02X" % c for c in codes]
    glyphs = {}
    metrics = {}
    glyphs[".notdef"], advance = frame_glyph()
    metrics[".notdef"] = (advance, 50)
    for c in codes:
        name = "c%02X" % c
        if c == 0x20:
            glyphs[name] = empty_glyph()
            metrics[name] = (500, 0)
        else:
            glyphs[name], advance = bar_glyph(c)
            metrics[name] = (advance, 50)

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(glyph_order)
    fb.setupCharacterMap({})
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    bold = weight >= 700
    fb.setupNameTable({"familyName": family, "styleName": style})
    fb.setupOS2(usWeightClass=weight,
                fsSelection=(0x20 if bold else 0x40),
                usWinAscent=ASCENT, usWinDescent=DESCENT,
                sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                achVendID="QRVL")
    fb.setupPost(keepGlyphNames=False)
    fb.font["head"].macStyle = 1 if bold else 0

    subtable = CmapSubtable.newSubtable(4)
    platform, encoding = cmap_for(None)
    subtable.platformID, subtable.platEncID, subtable.language = platform, encoding, 0
    subtable.cmap = {}
    for c in codes:
        for ch in cmap_for(c):
            subtable.cmap[ch] = "c%02X" % c
    fb.font["cmap"].tables = [subtable]
    mapped = sorted(subtable.cmap)
    os2 = fb.font["OS/2"]
    os2.usFirstCharIndex, os2.usLastCharIndex = mapped[0], mapped[-1]
    symbol = platform == 3 and encoding == 0
    os2.ulCodePageRange1 = (1 << 31) if symbol else 1  # Symbol or Latin 1
    os2.ulCodePageRange2 = 0
    os2.panose["bFamilyType"] = 5 if symbol else 2  # Latin pictorial / Latin text
    os2.panose["bSerifStyle"] = 0 if symbol else 11  # sans serif
    fb.save(path)


def symbol_cmap(code):
    if code is None:
        return (3, 0)
    return [] if code in SYMBOL_MISSING else [SYMBOL_BASE + code]


def unicode_cmap(code):
    if code is None:
        return (3, 1)
    return [code]


FALLBACK_CHARS = {0x7F: [SYMBOL_BASE + 0x7F], 0xE9: [SYMBOL_BASE + 0xE9, 0xE9], 0x80: [0x20AC]}


def fallback_cmap(code):
    if code is None:
        return (3, 1)
    return FALLBACK_CHARS[code]


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    build(os.path.join(out, "quorvil-symbol-test.ttf"), "Quorvil Symbol Test", "Regular", 400,
          range(0x20, 0x100), symbol_cmap)
    build(os.path.join(out, "quorvil-bold-only.ttf"), "Quorvil Bold Only", "Bold", 700,
          range(0x20, 0x7F), unicode_cmap)
    build(os.path.join(out, "quorvil-fallback.ttf"), "Quorvil Fallback", "Regular", 400,
          sorted(FALLBACK_CHARS), fallback_cmap)


if __name__ == "__main__":
    main()

#pragma once

#include "core/FontRecords.h"
#include "fontmap/rules/FontFamilies.h"

// The LOGFONT and NEWTEXTMETRIC fields of a face, computed from the values of its font tables
// (OS/2, hhea, post, head) the way Windows derives them, at an em size in pixels.

// What the records need from a face's file. For a scalable face the lengths are in font units;
// a file without an OS/2 table fills the OS/2 values from what it has (ascender, descender,
// style flags). For a bitmap face the lengths are pixels of the strike and unitsPerEm is the
// strike's pixel size; bitmaps do not scale, so the reference size does not apply to them.
struct FaceTables
{
    FontFormat format = FontFormat::TrueType;
    bool scalable = true;
    bool symbolCharmap = false;   // the face has an MS Symbol (3,0) charmap
    int unitsPerEm = 1000;

    int winAscent = 0;
    int winDescent = 0;
    int avgCharWidth = 0;
    int weightClass = 400;
    bool italic = false;
    int firstChar = 0x20;         // characters as in OS/2 (U+F020 for code 0x20 of a symbol face)
    int lastChar = 0xFF;
    int defaultChar = -1;         // -1: the table does not say
    int breakChar = -1;
    quint8 panoseFamily = 0;
    quint8 panoseSerifStyle = 0;
    quint8 panoseProportion = 0;

    int hheaAscender = 0;
    int hheaDescender = 0;        // negative below the baseline, as stored
    int hheaLineGap = 0;
    int advanceWidthMax = 0;

    bool fixedPitch = false;
};

// The em size at which the enumeration reports a scalable font's metrics: 16 pixels, that is
// 12 points at 96 dots per inch (Windows reports them at a default logical size; this is ours).
constexpr int kReferenceEmPixels = 16;

// Both records for a face at an em size of emPixels. The face name is left empty (the caller
// knows it). Ascent and descent are the Windows ascent and descent scaled and rounded; Height is
// their sum and InternalLeading what it has beyond the em; ExternalLeading is the hhea line gap
// less the space the Windows metrics already add to the hhea ones.
FontRecordPair recordsFromFace(const FaceTables &tables, int emPixels = kReferenceEmPixels);

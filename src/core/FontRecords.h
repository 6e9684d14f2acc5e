#pragma once

#include <QString>
#include <QVariant>

// The two per-font records of the font enumeration, field for field as Windows' LOGFONT and
// NEWTEXTMETRIC carry them. row(r) reads them the way the program-wide tables gFontLF and gFontTM
// are read: row r of a font's column, numbers as int, the face name as text; a row outside the
// record is an invalid QVariant.

struct LogFontRecord
{
    enum Row {
        Height, Width, Escapement, Orientation, Weight,
        Italic, Underline, StrikeOut, CharSet, OutPrecision, ClipPrecision, Quality, PitchAndFamily,
        FaceName,
        RowCount
    };

    qint32 lfHeight = 0;
    qint32 lfWidth = 0;
    qint32 lfEscapement = 0;
    qint32 lfOrientation = 0;
    qint32 lfWeight = 0;
    quint8 lfItalic = 0;
    quint8 lfUnderline = 0;
    quint8 lfStrikeOut = 0;
    quint8 lfCharSet = 0;
    quint8 lfOutPrecision = 0;
    quint8 lfClipPrecision = 0;
    quint8 lfQuality = 0;
    quint8 lfPitchAndFamily = 0;
    QString lfFaceName;

    QVariant row(int r) const;
};

struct TextMetricRecord
{
    enum Row {
        Height, Ascent, Descent, InternalLeading, ExternalLeading, AveCharWidth, MaxCharWidth,
        Weight, Overhang, DigitizedAspectX, DigitizedAspectY,
        FirstChar, LastChar, DefaultChar, BreakChar, Italic, Underlined, StruckOut, PitchAndFamily,
        CharSet,
        Flags, SizeEM, CellHeight, AvgWidth,
        RowCount
    };

    qint32 tmHeight = 0;
    qint32 tmAscent = 0;
    qint32 tmDescent = 0;
    qint32 tmInternalLeading = 0;
    qint32 tmExternalLeading = 0;
    qint32 tmAveCharWidth = 0;
    qint32 tmMaxCharWidth = 0;
    qint32 tmWeight = 0;
    qint32 tmOverhang = 0;
    qint32 tmDigitizedAspectX = 0;
    qint32 tmDigitizedAspectY = 0;
    quint8 tmFirstChar = 0;
    quint8 tmLastChar = 0;
    quint8 tmDefaultChar = 0;
    quint8 tmBreakChar = 0;
    quint8 tmItalic = 0;
    quint8 tmUnderlined = 0;
    quint8 tmStruckOut = 0;
    quint8 tmPitchAndFamily = 0;
    quint8 tmCharSet = 0;
    quint32 ntmFlags = 0;
    quint32 ntmSizeEM = 0;
    quint32 ntmCellHeight = 0;
    quint32 ntmAvgWidth = 0;

    QVariant row(int r) const;
};

// Both records of one font, as one read of its file produces them.
struct FontRecordPair
{
    LogFontRecord logFont;
    TextMetricRecord textMetric;
};

// Values of the byte fields, named as Windows names them.
namespace FontRecordValues {
constexpr quint8 kAnsiCharset = 0;
constexpr quint8 kSymbolCharset = 2;
constexpr quint8 kItalicOn = 255;

// LOGFONT pitch (low two bits of lfPitchAndFamily).
constexpr quint8 kFixedPitch = 0x01;
constexpr quint8 kVariablePitch = 0x02;
// TEXTMETRIC pitch bits (tmPitchAndFamily); note that kTmpfFixedPitch set means *variable* pitch.
constexpr quint8 kTmpfFixedPitch = 0x01;
constexpr quint8 kTmpfVector = 0x02;
constexpr quint8 kTmpfTrueType = 0x04;
// Family (high nibble of both pitch-and-family bytes).
constexpr quint8 kFamilyDontCare = 0x00;
constexpr quint8 kFamilyRoman = 0x10;
constexpr quint8 kFamilySwiss = 0x20;
constexpr quint8 kFamilyModern = 0x30;
constexpr quint8 kFamilyScript = 0x40;
constexpr quint8 kFamilyDecorative = 0x50;

constexpr quint8 kOutStringPrecision = 1;
constexpr quint8 kOutStrokePrecision = 3;
constexpr quint8 kClipStrokePrecision = 2;
constexpr quint8 kDraftQuality = 1;

constexpr quint32 kNtmItalic = 0x00000001;
constexpr quint32 kNtmBold = 0x00000020;
constexpr quint32 kNtmRegular = 0x00000040;
constexpr quint32 kNtmPsOpenType = 0x00020000;
constexpr quint32 kNtmTtOpenType = 0x00040000;
constexpr quint32 kNtmType1 = 0x00100000;
} // namespace FontRecordValues

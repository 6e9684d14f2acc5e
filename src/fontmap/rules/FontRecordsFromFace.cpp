#include "fontmap/rules/FontRecordsFromFace.h"

#include "fontmap/rules/Charset.h"

#include <QtMath>

namespace {

using namespace FontRecordValues;

// An OS/2 character as one byte of the font's 8-bit character set.
quint8 byteOfChar(int ch, FontCharset charset, quint8 fallback)
{
    if (ch < 0 || ch > 0xFFFF)
        return fallback;
    if (charset == FontCharset::Ansi && ch >= 0xF000 && ch <= 0xF0FF)
        return fallback; // a symbol-area character means nothing in an ANSI face
    return codeForChar(QChar(char16_t(ch)), charset).value_or(fallback);
}

// The family nibble from the PANOSE classification, the way Windows sorts faces into Roman,
// Swiss, Modern, Script and Decorative.
quint8 familyOf(const FaceTables &t)
{
    if (t.fixedPitch)
        return kFamilyModern;
    switch (t.panoseFamily) {
    case 2: // Latin text
        if (t.panoseProportion == 9)
            return kFamilyModern;
        if (t.panoseSerifStyle >= 11 && t.panoseSerifStyle <= 13)
            return kFamilySwiss;
        if (t.panoseSerifStyle >= 2 && t.panoseSerifStyle <= 10)
            return kFamilyRoman;
        return kFamilyDontCare;
    case 3: return kFamilyScript;
    case 4:
    case 5: return kFamilyDecorative;
    default: return kFamilyDontCare;
    }
}

quint32 formatFlags(FontFormat format)
{
    switch (format) {
    case FontFormat::TrueType: return kNtmTtOpenType;
    case FontFormat::Cff: return kNtmPsOpenType;
    case FontFormat::Type1: return kNtmType1;
    case FontFormat::OtherOutline:
    case FontFormat::Bitmap: return 0;
    }
    return 0;
}

} // namespace

FontRecordPair recordsFromFace(const FaceTables &t, int emPixels)
{
    const double scale = t.scalable && t.unitsPerEm > 0 ? double(emPixels) / t.unitsPerEm : 1.0;
    const int em = t.scalable ? emPixels : t.unitsPerEm;
    const auto scaled = [scale](int units) { return qRound(units * scale); };
    const FontCharset charset = t.symbolCharmap ? FontCharset::Symbol : FontCharset::Ansi;
    const bool bold = t.weightClass >= 600;

    TextMetricRecord tm;
    tm.tmAscent = scaled(t.winAscent);
    tm.tmDescent = scaled(t.winDescent);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = qMax(0, tm.tmHeight - em);
    const int hheaExtra = (t.winAscent + t.winDescent) - (t.hheaAscender - t.hheaDescender);
    tm.tmExternalLeading = qMax(0, scaled(t.hheaLineGap - hheaExtra));
    tm.tmAveCharWidth = scaled(t.avgCharWidth);
    tm.tmMaxCharWidth = scaled(t.advanceWidthMax);
    tm.tmWeight = t.weightClass;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = byteOfChar(t.firstChar, charset, 0x20);
    tm.tmLastChar = byteOfChar(t.lastChar, charset, 0xFF);
    tm.tmDefaultChar = t.defaultChar < 0 ? tm.tmFirstChar : byteOfChar(t.defaultChar, charset, tm.tmFirstChar);
    tm.tmBreakChar = t.breakChar < 0 ? 0x20 : byteOfChar(t.breakChar, charset, 0x20);
    tm.tmItalic = t.italic ? kItalicOn : 0;
    const quint8 family = familyOf(t);
    tm.tmPitchAndFamily = family | (t.fixedPitch ? 0 : kTmpfFixedPitch)
        | (t.format != FontFormat::Bitmap ? kTmpfVector : 0)
        | (t.format == FontFormat::TrueType ? kTmpfTrueType : 0);
    tm.tmCharSet = t.symbolCharmap ? kSymbolCharset : kAnsiCharset;
    tm.ntmFlags = (t.italic ? kNtmItalic : 0) | (bold ? kNtmBold : 0)
        | (!t.italic && !bold ? kNtmRegular : 0) | formatFlags(t.format);
    tm.ntmSizeEM = quint32(qMax(0, t.unitsPerEm));
    tm.ntmCellHeight = quint32(qMax(0, t.winAscent + t.winDescent));
    tm.ntmAvgWidth = quint32(qMax(0, t.avgCharWidth));

    LogFontRecord lf;
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfCharSet = tm.tmCharSet;
    lf.lfOutPrecision = t.format == FontFormat::Bitmap ? kOutStringPrecision : kOutStrokePrecision;
    lf.lfClipPrecision = kClipStrokePrecision;
    lf.lfQuality = kDraftQuality;
    lf.lfPitchAndFamily = family | (t.fixedPitch ? kFixedPitch : kVariablePitch);

    return {lf, tm};
}

#include "core/FontRecords.h"

QVariant LogFontRecord::row(int r) const
{
    switch (r) {
    case Height: return lfHeight;
    case Width: return lfWidth;
    case Escapement: return lfEscapement;
    case Orientation: return lfOrientation;
    case Weight: return lfWeight;
    case Italic: return int(lfItalic);
    case Underline: return int(lfUnderline);
    case StrikeOut: return int(lfStrikeOut);
    case CharSet: return int(lfCharSet);
    case OutPrecision: return int(lfOutPrecision);
    case ClipPrecision: return int(lfClipPrecision);
    case Quality: return int(lfQuality);
    case PitchAndFamily: return int(lfPitchAndFamily);
    case FaceName: return lfFaceName;
    default: return {};
    }
}

QVariant TextMetricRecord::row(int r) const
{
    switch (r) {
    case Height: return tmHeight;
    case Ascent: return tmAscent;
    case Descent: return tmDescent;
    case InternalLeading: return tmInternalLeading;
    case ExternalLeading: return tmExternalLeading;
    case AveCharWidth: return tmAveCharWidth;
    case MaxCharWidth: return tmMaxCharWidth;
    case Weight: return tmWeight;
    case Overhang: return tmOverhang;
    case DigitizedAspectX: return tmDigitizedAspectX;
    case DigitizedAspectY: return tmDigitizedAspectY;
    case FirstChar: return int(tmFirstChar);
    case LastChar: return int(tmLastChar);
    case DefaultChar: return int(tmDefaultChar);
    case BreakChar: return int(tmBreakChar);
    case Italic: return int(tmItalic);
    case Underlined: return int(tmUnderlined);
    case StruckOut: return int(tmStruckOut);
    case PitchAndFamily: return int(tmPitchAndFamily);
    case CharSet: return int(tmCharSet);
    case Flags: return int(ntmFlags);
    case SizeEM: return int(ntmSizeEM);
    case CellHeight: return int(ntmCellHeight);
    case AvgWidth: return int(ntmAvgWidth);
    default: return {};
    }
}

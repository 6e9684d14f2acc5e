#pragma once

#include <QByteArrayView>

// What the reader does with each RTF control word it knows. Words not listed are
// ignored, which the format allows for every word that is not a destination.
enum class RtfWord {
    Unknown,
    // Document and Unicode
    DefaultFont,        // \deffN
    UnicodeSkip,        // \ucN
    Unicode,            // \uN
    Binary,             // \binN: N raw bytes follow
    // Destinations
    FontTable,
    ColorTable,
    SkippedDestination, // a destination whose content is not text of the document
    // Font and colour tables
    FontCharset,
    Red,
    Green,
    Blue,
    // Character format
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,          // \ul and its dotted, double, wave ... kinds
    UnderlineNone,
    Strike,             // \strike and \striked
    Color,
    // Paragraph format
    ParagraphDefault,   // \pard
    AlignLeft,          // also \qj and \qd, which the TextBoard cannot show
    AlignRight,
    AlignCentre,
    // Text
    ParagraphBreak,     // \par, also \line, \page, \sect and \row
    Character,          // a word that stands for one character (\tab, \emdash, ...)
};

struct RtfWordInfo
{
    RtfWord word = RtfWord::Unknown;
    char16_t character = 0;  // for RtfWord::Character
};

// Lookup by the word's letters, without the backslash and the number.
RtfWordInfo rtfWordInfo(QByteArrayView name);

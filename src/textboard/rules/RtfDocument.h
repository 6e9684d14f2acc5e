#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/Charset.h"

#include <QList>
#include <QString>

// The little document that our RTF writer writes and our reader reads: paragraphs with
// an alignment, each holding runs of text that share one character format. It keeps what
// the TextBoard can show and nothing else (no styles, tables, pictures or page setup).

// The codes are the TextBoard's alignment codes.
enum class RtfAlignment { Left = 0, Right = 1, Centre = 2 };

struct RtfCharFormat
{
    QString fontName;
    FontCharset charset = FontCharset::Ansi;
    // Points. RTF carries sizes in half points, so a size between two half points is
    // written as the nearer one (7.6 is read back as 7.5).
    double size = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    ColorValue color = rgbColor(0, 0, 0);

    bool operator==(const RtfCharFormat &) const = default;
};

// Text holds no CR or LF: line breaks are the ends of paragraphs. A character of a
// symbol-charset run is U+F000 + its code (see Charset.h).
struct RtfRun
{
    QString text;
    RtfCharFormat format;

    bool operator==(const RtfRun &) const = default;
};

// What the reader gives back, and what the writer keeps exact: a paragraph with text
// holds non-empty runs, neighbours differing in format; an empty paragraph holds one
// empty run, which carries the format of the empty line.
struct RtfParagraph
{
    RtfAlignment alignment = RtfAlignment::Left;
    QList<RtfRun> runs;

    bool operator==(const RtfParagraph &) const = default;
};

// At least one paragraph; each paragraph but the last ends with a line break.
struct RtfDocument
{
    QList<RtfParagraph> paragraphs;

    bool operator==(const RtfDocument &) const = default;
};

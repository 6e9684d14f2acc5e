#include "textboard/rules/RtfWriter.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

// RTF sizes are whole half points; Word's largest size is 1638 points.
constexpr int kMaxHalfPoints = 3276;

int halfPointsOf(double points)
{
    return std::clamp(int(std::lround(points * 2.0)), 1, kMaxHalfPoints);
}

// The code that stands for `ch` in `charset`, only when reading that code back gives the
// same character: an ASCII 'A' in a symbol run must not come back as U+F041.
std::optional<quint8> exactCode(QChar ch, FontCharset charset)
{
    const auto code = codeForChar(ch, charset);
    if (!code || *code < 0x20 || charForCode(*code, charset) != ch)
        return std::nullopt;
    return code;
}

struct FontKey
{
    QString name;
    FontCharset charset;
    bool operator==(const FontKey &) const = default;
};

// The font and colour tables, numbered in order of first use.
struct Tables
{
    QList<FontKey> fonts;
    QList<ColorValue> colors;  // entry 0 of the written table is "auto", so index + 1
    QHash<ColorValue, int> colorIndex;

    int font(const RtfCharFormat &f)
    {
        const FontKey key{f.fontName, f.charset};
        const auto it = std::find(fonts.cbegin(), fonts.cend(), key);
        if (it != fonts.cend())
            return int(it - fonts.cbegin());
        fonts.append(key);
        return int(fonts.size() - 1);
    }

    int color(ColorValue value)
    {
        const auto it = colorIndex.constFind(value);
        if (it != colorIndex.cend())
            return it.value();
        colors.append(value);
        colorIndex.insert(value, int(colors.size()));
        return int(colors.size());
    }
};

// Output with the one rule RTF has about spacing: a control word ends at the first
// character that is not a letter or digit, and a space right after it is swallowed,
// so text that follows a control word is preceded by one delimiting space.
class Emitter
{
public:
    explicit Emitter(QByteArray &out) : m_out(out) {}

    void word(const char *name)
    {
        m_out.append('\\');
        m_out.append(name);
        m_open = true;
    }

    void word(const char *name, int value)
    {
        word(name);
        m_out.append(QByteArray::number(value));
    }

    void hexByte(quint8 code)
    {
        char buf[5];
        std::snprintf(buf, sizeof buf, "\\'%02x", code);
        m_out.append(buf, 4);
        m_open = false;
    }

    void unicode(char16_t unit)
    {
        // \uN takes a signed 16-bit number; '?' is the one fallback byte \uc1 announces.
        word("u", int(qint16(unit)));
        m_out.append('?');
        m_open = false;
    }

    void literal(char c)
    {
        if (m_open)
            m_out.append(' ');
        m_open = false;
        if (c == '\\' || c == '{' || c == '}')
            m_out.append('\\');
        m_out.append(c);
    }

    void raw(const char *text)
    {
        m_out.append(text);
        m_open = false;
    }

private:
    QByteArray &m_out;
    bool m_open = false;  // the last thing written was a control word
};

void writeFontName(Emitter &out, const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar ch = name.at(i);
        const auto code = exactCode(ch, FontCharset::Ansi);
        // A literal ';' would end the name, and spaces at either end would be trimmed.
        const bool edgeSpace = ch == QLatin1Char(' ') && (i == 0 || i == name.size() - 1);
        if (code && *code <= 0x7E && *code != ';' && !edgeSpace)
            out.literal(char(*code));
        else if (code)
            out.hexByte(*code);
        else
            out.unicode(ch.unicode());
    }
}

void writeHeader(Emitter &out, const Tables &tables)
{
    out.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl");
    for (qsizetype i = 0; i < tables.fonts.size(); ++i) {
        const FontKey &font = tables.fonts.at(i);
        out.raw("{");
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", font.charset == FontCharset::Symbol ? 2 : 0);
        writeFontName(out, font.name);
        out.raw(";}");
    }
    out.raw("}\r\n{\\colortbl ;");
    for (ColorValue c : tables.colors) {
        out.word("red", redOf(c));
        out.word("green", greenOf(c));
        out.word("blue", blueOf(c));
        out.raw(";");
    }
    out.raw("}\r\n");
    out.word("viewkind4");
    out.word("uc1");
}

// The character format last written, so each run writes only what changes.
struct WrittenFormat
{
    int font = -1;
    int halfPoints = -1;
    int color = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

void writeFormat(Emitter &out, WrittenFormat &now, const RtfCharFormat &f, Tables &tables)
{
    const int font = tables.font(f);
    const int half = halfPointsOf(f.size);
    const int color = tables.color(f.color);
    if (font != now.font)
        out.word("f", font);
    if (half != now.halfPoints)
        out.word("fs", half);
    if (color != now.color)
        out.word("cf", color);
    if (f.bold != now.bold)
        out.word(f.bold ? "b" : "b0");
    if (f.italic != now.italic)
        out.word(f.italic ? "i" : "i0");
    if (f.underline != now.underline)
        out.word(f.underline ? "ul" : "ulnone");
    if (f.strikethrough != now.strikethrough)
        out.word(f.strikethrough ? "strike" : "strike0");
    now = {font, half, color, f.bold, f.italic, f.underline, f.strikethrough};
}

void writeText(Emitter &out, const QString &text, FontCharset charset)
{
    for (QChar ch : text) {
        if (ch == QLatin1Char('\t')) {
            out.word("tab");
            continue;
        }
        const auto code = exactCode(ch, charset);
        if (!code)
            out.unicode(ch.unicode());
        else if (*code <= 0x7E)
            out.literal(char(*code));
        else
            out.hexByte(*code);
    }
}

const char *alignmentWord(RtfAlignment a)
{
    switch (a) {
    case RtfAlignment::Right:
        return "qr";
    case RtfAlignment::Centre:
        return "qc";
    case RtfAlignment::Left:
        break;
    }
    return "ql";
}

} // namespace

QByteArray writeRtf(const RtfDocument &document)
{
    // An empty document is written as one empty line in the default format.
    const RtfDocument emptyDocument{{RtfParagraph{RtfAlignment::Left, {RtfRun{}}}}};
    const RtfDocument &doc = document.paragraphs.isEmpty() ? emptyDocument : document;

    // The tables come first in the file, so number them before writing the body.
    Tables tables;
    qsizetype characters = 0;
    for (const RtfParagraph &p : doc.paragraphs) {
        for (const RtfRun &r : p.runs) {
            tables.font(r.format);
            tables.color(r.format.color);
            characters += r.text.size();
        }
    }
    if (tables.fonts.isEmpty()) {
        tables.font(RtfCharFormat{});
        tables.color(RtfCharFormat{}.color);
    }

    QByteArray body;
    body.reserve(2 * characters + 16 * doc.paragraphs.size() + 64);
    Emitter out(body);
    WrittenFormat now;
    bool first = true;
    RtfAlignment alignment = RtfAlignment::Left;
    for (const RtfParagraph &p : doc.paragraphs) {
        if (first || p.alignment != alignment) {
            out.word("pard");
            out.word(alignmentWord(p.alignment));
            alignment = p.alignment;
        }
        for (const RtfRun &r : p.runs) {
            writeFormat(out, now, r.format, tables);
            writeText(out, r.text, r.format.charset);
        }
        out.word("par");
        out.raw("\r\n");
        first = false;
    }

    QByteArray rtf;
    Emitter head(rtf);
    writeHeader(head, tables);
    rtf.reserve(rtf.size() + body.size() + 1);
    rtf.append(body);
    rtf.append('}');
    return rtf;
}

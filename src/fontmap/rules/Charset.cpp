#include "fontmap/rules/Charset.h"

#include <QByteArray>

#include <array>

namespace {

// Windows-1252 for 0x80..0x9F; the rest of the 256 codes equal their Latin-1 character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t kSymbolBase = 0xF000;

std::optional<quint8> ansiCode(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return quint8(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return quint8(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QChar charForCode(quint8 code, FontCharset charset)
{
    // Control codes (line breaks, tabs) are the same in every font.
    if (charset == FontCharset::Symbol && code >= 0x20)
        return QChar(char16_t(kSymbolBase + code));
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHighControls[code - 0x80]);
    return QChar(char16_t(code));
}

std::optional<quint8> codeForChar(QChar ch, FontCharset charset)
{
    const char16_t u = ch.unicode();
    if (u >= kSymbolBase && u <= kSymbolBase + 0xFF)
        return quint8(u - kSymbolBase);
    return ansiCode(u);
}

QByteArray encodeText(const QString &text, FontCharset charset)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text)
        bytes.append(char(codeForChar(ch, charset).value_or('?')));
    return bytes;
}

QString decodeText(const QByteArray &bytes, FontCharset charset)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(charForCode(quint8(b), charset));
    return text;
}

QString recodeText(const QString &text, FontCharset from, FontCharset to)
{
    if (from == to)
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const auto code = codeForChar(ch, from);
        out.append(code ? charForCode(*code, to) : ch);
    }
    return out;
}

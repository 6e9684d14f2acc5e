#pragma once

#include "fontmap/rules/Charset.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

// The 8-bit character set of a font family: the one place where an 8-bit code becomes a
// character for a given font. A family whose resolved face has an MS Symbol charmap is a symbol
// font (code c is U+F000 + c); every other family, and a name that is not installed, is ANSI
// (Windows-1252). The conversions themselves are those of fontmap/rules/Charset.h.
class CodePage
{
public:
    virtual ~CodePage() = default;

    virtual FontCharset charset(const QString &family) const = 0;

    QChar charForCode(quint8 code, const QString &family) const;
    std::optional<quint8> codeForChar(QChar ch, const QString &family) const;
    QByteArray encodeText(const QString &text, const QString &family) const;
    QString decodeText(const QByteArray &bytes, const QString &family) const;
};

#pragma once

#include <QChar>
#include <QString>

#include <optional>

// How an 8-bit character code becomes a character, for the two kinds of font the
// program knows: ordinary fonts use Windows-1252; a font whose face carries an
// MS Symbol charmap places code c (32 and above) at U+F000 + c.
enum class FontCharset { Ansi, Symbol };

// The character of an 8-bit code in a font of that charset. The five codes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay U+0081 etc.
QChar charForCode(quint8 code, FontCharset charset);

// The 8-bit code of a character, or nothing when no code stands for it.
// U+F000..U+F0FF give their low byte in both charsets, so text typed in a symbol
// font keeps its codes when the font changes.
std::optional<quint8> codeForChar(QChar ch, FontCharset charset);

// Whole texts, for files and the clipboard: one byte per character; a character
// without a code becomes '?'.
QByteArray encodeText(const QString &text, FontCharset charset);
QString decodeText(const QByteArray &bytes, FontCharset charset);

// The same text in another charset, code for code (used when the TextBoard font
// changes between an ordinary and a symbol font).
QString recodeText(const QString &text, FontCharset from, FontCharset to);

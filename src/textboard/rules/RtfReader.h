#pragma once

#include "textboard/rules/RtfDocument.h"

#include <QByteArrayView>
#include <QString>

#include <variant>

// Reads RTF back into an RtfDocument: every file writeRtf writes, and the text, fonts,
// sizes, styles, colours and alignments of files that word processors write. Everything
// else (style sheets, pictures, fields' instructions, document information, any {\* }
// destination) is skipped; \line, \page and \sect end a paragraph like \par; justified
// paragraphs read as left-aligned; bytes are decoded by the charset of their font
// (\fcharset2: symbol, anything else: Windows-1252, whatever \ansicpg says).

// Bounds that keep a hostile file from costing more than a large honest one.
namespace RtfLimits {
inline constexpr qsizetype kMaxInputBytes = 8 * 1024 * 1024;
inline constexpr int kMaxGroupDepth = 256;
inline constexpr int kMaxNumberDigits = 10;        // and the value must fit 32 bits
inline constexpr int kMaxControlWordLength = 32;
inline constexpr int kMaxPieces = 1 << 18;         // runs plus paragraphs
} // namespace RtfLimits

enum class RtfErrorKind {
    NotRtf,              // does not begin with {\rtf
    TooLarge,            // longer than kMaxInputBytes
    TooDeep,             // groups nested deeper than kMaxGroupDepth
    NumberTooLarge,
    ControlWordTooLong,
    TooManyPieces,
    Truncated,           // ends inside a group, an escape or binary data
    TextAfterEnd,        // more than white space after the closing brace
};

struct RtfError
{
    RtfErrorKind kind = RtfErrorKind::NotRtf;
    qsizetype offset = 0;  // byte offset where reading stopped

    bool operator==(const RtfError &) const = default;
};

// A short English description, for diagnostics (the program shows its own messages).
QString rtfErrorText(const RtfError &error);

// The document or the reason there is none.
class RtfReadResult final
{
public:
    RtfReadResult(RtfDocument document) : m_value(std::move(document)) {}
    RtfReadResult(RtfError error) : m_value(error) {}

    bool hasValue() const { return std::holds_alternative<RtfDocument>(m_value); }
    explicit operator bool() const { return hasValue(); }
    const RtfDocument &value() const { return std::get<RtfDocument>(m_value); }
    RtfDocument &value() { return std::get<RtfDocument>(m_value); }
    const RtfError &error() const { return std::get<RtfError>(m_value); }

private:
    std::variant<RtfDocument, RtfError> m_value;
};

RtfReadResult readRtf(QByteArrayView rtf);

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The 224 cells of a custom map in cell order: 0 is an empty cell, anything else the
// 8-bit code (32..255) of the character the cell holds.
using CustomMapCells = std::array<quint8, 224>;

// The custom map file (*.QCM): 224 records, one per cell in cell order, each the cell
// number 1..224, a comma and the cell's character between double quotes (nothing for an
// empty cell, the letters xx for the double quote itself), ended by CR LF.
//
// The reader takes the bytes as a stream of fields separated by commas and line ends
// (CR LF, CR or LF), two fields to a record: a number and a text. A text field is the
// text between its quotes, or an unquoted text up to the next separator; a number field
// is a decimal number ("5", "+5", "5.0", "5E0"), taken as the nearest whole number, a half to
// the even one. Blanks around a field are skipped. Data after the 224th record is not looked at.
namespace QcmFormat {

// A written map is about 2.3 KB; nothing longer than this is taken for one.
inline constexpr qint64 kMaxFileBytes = 64 * 1024;

struct ReadResult
{
    std::optional<CustomMapCells> cells;
    QString reason; // why the bytes were refused; empty when cells hold the map
};

// Validates the bytes and fills the cells from them in one pass. Refused: more than
// kMaxFileBytes, fewer than 224 records, a number field that is not a number (or does
// not fit 32 bits), an unterminated quote, and a record whose text is not empty and
// either is numbered other than its place or begins with a code below 32 or one that an
// earlier cell already holds. An empty text is accepted whatever its number. Only the
// first character of a text counts; the rest is ignored.
ReadResult parse(const QByteArray &bytes);

// The 224 records of the cells, exactly as the reader expects them.
QByteArray serialize(const CustomMapCells &cells);

} // namespace QcmFormat

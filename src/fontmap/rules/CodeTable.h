#pragma once

#include "fontmap/rules/Charset.h"
#include "fontmap/rules/QcmFormat.h"

#include <QString>

#include <array>

// The binary digits of a value, most significant first, without leading zeros;
// 0 and negative values give the empty text.
QString Bin(qint32 value);

// Per-cell code texts of the FontMap: 224 rows (cell index 0..223) of five columns:
// decimal, hexadecimal, octal and binary code, and the keystroke label.
class CodeTable final
{
public:
    static constexpr int kCells = 224;
    static constexpr int kColumns = 5;
    enum Column { Decimal = 0, Hexadecimal = 1, Octal = 2, Binary = 3, KeyStroke = 4 };
    using Row = std::array<QString, kColumns>;

    // The row of the character of 8-bit code `code`, with `keyStroke` as its label.
    static Row rowOf(int code, const QString &keyStroke);

    const Row &row(int cell) const { return m_rows[cell]; }
    const QString &at(int cell, int column) const { return m_rows[cell][column]; }
    void set(int cell, int column, const QString &text) { m_rows[cell][column] = text; }
    void clear();

    // Fills row `cell` for the character of 8-bit code `code`; `keyStroke` is the label for
    // the last column.
    void fillRow(int cell, int code, const QString &keyStroke) { m_rows[cell] = rowOf(code, keyStroke); }

    // The table of a custom map: the rows of empty cells are empty; a placed code has the
    // standard map's texts, except that codes 127 and 128, typed with Ctrl, are labelled
    // "Ctrl+1" and "Ctrl+2" in the order of the cells that hold them. `charset` turns a
    // code into the character that labels it.
    void fillCustomMap(const CustomMapCells &cells, FontCharset charset);

private:
    std::array<Row, kCells> m_rows;
};

// How a screen reader describes a character: the character as its cell shows it, then its
// codes as the Code and KeyStroke views show them, "é, Dec 233, Hex E9, Alt+0233". The empty
// row of an empty cell describes nothing.
QString describeCode(const QString &caption, const CodeTable::Row &row);

// The keystroke label of the standard map: "Space Bar" for 32, the character itself
// for 33..126, "Alt+0" and the code from 127 on.
QString standardKeyStroke(int code, const QString &caption);

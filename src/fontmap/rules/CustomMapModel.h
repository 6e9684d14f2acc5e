#pragma once

#include "fontmap/rules/QcmFormat.h"

#include <QString>

#include <array>
#include <optional>

// What the custom map editor works on: a template of 224 cells laid out like the FontMap
// (28 per row, 8 rows) and the list of the characters not placed yet, in code order.
//
// Every code 32..255 is either in the list or in exactly one cell, so the list holds as many
// characters as there are empty cells. The user selects a character in the list and moves it
// into the highlighted cell, or moves the highlighted cell's character back into the list; the
// highlight then advances (or steps back) horizontally or vertically. The model also keeps the
// cells as last read or written, to tell whether the map has changed since.
class CustomMapModel final
{
public:
    static constexpr int kCells = 224;
    static constexpr int kColumns = 28;
    static constexpr int kRows = 8;
    static constexpr int kFirstCode = 32;
    static constexpr int kLastCode = 255;

    enum class ShiftDirection { Horizontal = 0, Vertical = 1 };
    enum class Step { Home, End, Left, Right, Up, Down };
    // How a template cell is drawn: as designed (never highlighted yet), as a cell the highlight
    // has left, highlighted, or highlighted after a move from the list or a list click.
    enum class CellLook { Design, Left, Highlight, ListHighlight };

    CustomMapModel();

    // A new map: every character in the list, its first one selected; every cell empty.
    void setupNew();
    // A map read from a file. The list holds the codes the cells do not, its first one selected
    // (none when the map is complete). A control code, or a code met a second time, leaves its
    // cell empty: the invariant holds whatever the cells were.
    void setupEdit(const CustomMapCells &cells);

    // The template.
    const CustomMapCells &cells() const { return m_cells; }
    quint8 cellCode(int cell) const { return m_cells[cell]; }
    bool isCellEmpty(int cell) const { return m_cells[cell] == 0; }
    int currentCell() const { return m_current; }
    CellLook look(int cell) const { return m_looks[cell]; }

    // The list of unplaced characters, in code order.
    int charsInList() const { return m_listCount; }
    int charsInMap() const { return kCells - m_listCount; }
    bool isInList(quint8 code) const { return m_inList[code - kFirstCode]; }
    quint8 listCode(int position) const;
    // The position of a listed code; -1 when it is placed.
    int listPosition(quint8 code) const;
    std::optional<quint8> selectedCode() const { return m_selected; }
    int selectedPosition() const { return m_selected ? listPosition(*m_selected) : -1; }

    void setShiftDirection(ShiftDirection direction) { m_shift = direction; }

    // List -> Map needs an empty highlighted cell and a selected character; Map -> List a
    // highlighted cell that holds one.
    bool canMoveListToMap() const { return isCellEmpty(m_current) && m_selected.has_value(); }
    bool canMoveMapToList() const { return !isCellEmpty(m_current); }
    // Places the selected character in the highlighted cell; the next character in code order
    // (or the new last one) becomes the selection, and the highlight advances. Does nothing
    // when the move is not possible.
    void moveListToMap();
    // Returns the highlighted cell's character to the list, keeping the list's selection (the
    // returned character is selected when the list was empty), and steps the highlight back.
    // Does nothing when the move is not possible.
    void moveMapToList();

    // A click on a template cell, or a navigation key on the template.
    void selectCell(int cell);
    void step(Step key);
    // A click in the list: selects that position (the first one when it is out of range) and
    // marks the highlighted cell as the target of the next move from the list.
    void clickList(int position);

    // Saved state: the cells as last read from or written to the file.
    const CustomMapCells &savedCells() const { return m_saved; }
    bool mapChanged() const { return m_cells != m_saved; }
    void markSaved() { m_saved = m_cells; }

    // The cell a navigation key leads to from `cell`; moving forward in the list's order is
    // Right (horizontal) or Down (vertical), moving back Left or Up. The map wraps from its
    // last cell to its first and back; vertical steps run down a column and on to the top of
    // the next one.
    static int neighbour(int cell, Step key);

    // The label of the keystroke that types a character, by code: "Space Bar", the character
    // itself for 33..126, "Ctrl+1" and "Ctrl+2" for 127 and 128, else "Alt+0" and the code.
    static QString keyStroke(quint8 code);

private:
    void moveHighlight(int to, CellLook look);

    CustomMapCells m_cells{};
    CustomMapCells m_saved{};
    std::array<bool, kCells> m_inList{};
    std::array<CellLook, kCells> m_looks{};
    int m_listCount = 0;
    int m_current = 0;
    std::optional<quint8> m_selected;
    ShiftDirection m_shift = ShiftDirection::Horizontal;
};

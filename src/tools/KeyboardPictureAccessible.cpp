#include "tools/KeyboardPictureAccessible.h"

#include "fontmap/rules/CodeTable.h"
#include "tools/KeyboardPicture.h"
#include "tools/rules/KeyboardLayout.h"

#include <algorithm>

namespace {

using KeyboardLayout::kRowStarts;

// The character keys come first, then the left and the right Shift key.
constexpr int kLeftShift = KeyboardLayout::kKeys;
constexpr int kRightShift = KeyboardLayout::kKeys + 1;
constexpr int kRows = int(kRowStarts.size());
constexpr int kBottomRow = kRows - 1;

// The keys of a row, the bottom one with its two Shift keys.
constexpr int rowLength(int row)
{
    const int next = row == kBottomRow ? KeyboardLayout::kKeys : kRowStarts[std::size_t(row) + 1];
    return next - kRowStarts[std::size_t(row)] + (row == kBottomRow ? 2 : 0);
}

constexpr int longestRow()
{
    int longest = 0;
    for (int row = 0; row < kRows; ++row)
        longest = std::max(longest, rowLength(row));
    return longest;
}

bool isShift(int cell)
{
    return cell >= kLeftShift;
}

} // namespace

KeyboardPictureAccessible::KeyboardPictureAccessible(KeyboardPicture *picture)
    : CellTableOf(picture, KeyboardLayout::kKeys + 2, kRows, longestRow())
{
}

QString KeyboardPictureAccessible::cellName(int cell) const
{
    if (isShift(cell))
        return KeyboardLayout::otherKeyLegend(KeyboardLayout::OtherKey::LeftShift);
    return owner()->caption(cell);
}

QString KeyboardPictureAccessible::cellDescription(int cell) const
{
    // A Shift key says what pressing it does, as its tooltip does.
    if (isShift(cell))
        return owner()->toolTipAt(cellRect(cell).center());
    const QString &caption = owner()->caption(cell);
    const int code = KeyboardLayout::keyCode(cell, owner()->isShifted());
    return describeCode(caption, CodeTable::rowOf(code, standardKeyStroke(code, caption)));
}

QRect KeyboardPictureAccessible::cellRect(int cell) const
{
    if (isShift(cell))
        return owner()->shiftRect(cell == kRightShift);
    return owner()->keyLabelRect(cell);
}

QAccessible::Role KeyboardPictureAccessible::cellRole(int cell) const
{
    return isShift(cell) ? QAccessible::Button : CellTableAccessible::cellRole(cell);
}

QAccessible::State KeyboardPictureAccessible::cellState(int cell) const
{
    QAccessible::State s = CellTableAccessible::cellState(cell);
    if (isShift(cell)) {
        s.checkable = true;
        s.checked = owner()->isShifted();
    }
    return s;
}

int KeyboardPictureAccessible::rowOf(int cell) const
{
    if (isShift(cell))
        return kBottomRow;
    return int(std::upper_bound(kRowStarts.begin(), kRowStarts.end(), cell) - kRowStarts.begin()) - 1;
}

int KeyboardPictureAccessible::columnOf(int cell) const
{
    if (cell == kLeftShift)
        return 0;
    if (cell == kRightShift)
        return rowLength(kBottomRow) - 1;
    const int row = rowOf(cell);
    // The left Shift key comes before the bottom row's characters.
    return cell - kRowStarts[std::size_t(row)] + (row == kBottomRow ? 1 : 0);
}

int KeyboardPictureAccessible::cellAtPlace(int row, int column) const
{
    if (row < 0 || row > kBottomRow || column < 0 || column >= rowLength(row))
        return -1;
    if (row == kBottomRow) {
        if (column == 0)
            return kLeftShift;
        if (column == rowLength(row) - 1)
            return kRightShift;
        --column;
    }
    return kRowStarts[std::size_t(row)] + column;
}

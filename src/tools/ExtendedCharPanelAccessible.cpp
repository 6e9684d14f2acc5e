#include "tools/ExtendedCharPanelAccessible.h"

#include "fontmap/rules/CodeTable.h"
#include "tools/ExtendedCharPanel.h"
#include "tools/rules/KeyboardLayout.h"

namespace {

constexpr int kRows = (KeyboardLayout::kSpecialCodes + ExtendedCharPanel::kColumns - 1) / ExtendedCharPanel::kColumns;

} // namespace

ExtendedCharPanelAccessible::ExtendedCharPanelAccessible(ExtendedCharPanel *panel)
    : CellTableOf(panel, KeyboardLayout::kSpecialCodes, kRows, ExtendedCharPanel::kColumns)
{
}

// The panel numbers its places from 1.
QString ExtendedCharPanelAccessible::cellName(int cell) const
{
    return owner()->caption(cell + 1);
}

QString ExtendedCharPanelAccessible::cellDescription(int cell) const
{
    const int code = KeyboardLayout::kFirstSpecialCode + cell;
    return describeCode(cellName(cell), CodeTable::rowOf(code, KeyboardLayout::specialKeystroke(cell + 1)));
}

QRect ExtendedCharPanelAccessible::cellRect(int cell) const
{
    return owner()->cellRect(cell + 1);
}

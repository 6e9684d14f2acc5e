#include "fontmap/rules/CustomMapModel.h"

#include <algorithm>

CustomMapModel::CustomMapModel()
{
    setupNew();
}

void CustomMapModel::setupNew()
{
    setupEdit(CustomMapCells{});
}

void CustomMapModel::setupEdit(const CustomMapCells &cells)
{
    m_inList.fill(true);
    m_cells.fill(0);
    m_listCount = kCells;
    for (int i = 0; i < kCells; ++i) {
        const quint8 code = cells[i];
        // A validated map never holds a control code or a code twice; were one to slip
        // through, its cell stays empty so that the list and the cells still add up.
        if (code < kFirstCode || !m_inList[code - kFirstCode])
            continue;
        m_cells[i] = code;
        m_inList[code - kFirstCode] = false;
        --m_listCount;
    }
    m_saved = m_cells;
    m_looks.fill(CellLook::Design);
    m_current = 0;
    m_looks[0] = CellLook::Highlight;
    m_selected.reset();
    if (m_listCount > 0)
        m_selected = listCode(0);
}

quint8 CustomMapModel::listCode(int position) const
{
    for (int i = 0; i < kCells; ++i) {
        if (m_inList[i] && position-- == 0)
            return quint8(kFirstCode + i);
    }
    Q_ASSERT_X(false, "CustomMapModel::listCode", "position outside the list");
    return 0;
}

int CustomMapModel::listPosition(quint8 code) const
{
    if (code < kFirstCode || !m_inList[code - kFirstCode])
        return -1;
    return int(std::count(m_inList.begin(), m_inList.begin() + (code - kFirstCode), true));
}

void CustomMapModel::moveListToMap()
{
    if (!canMoveListToMap())
        return;
    const int position = selectedPosition();
    const quint8 code = *m_selected;
    m_inList[code - kFirstCode] = false;
    --m_listCount;
    m_cells[m_current] = code;

    // The item that took the taken one's place, or the new last item when the last was taken.
    m_selected.reset();
    if (m_listCount > 0)
        m_selected = listCode(std::min(position, m_listCount - 1));

    const Step forward = m_shift == ShiftDirection::Horizontal ? Step::Right : Step::Down;
    moveHighlight(neighbour(m_current, forward), CellLook::ListHighlight);
}

void CustomMapModel::moveMapToList()
{
    if (!canMoveMapToList())
        return;
    const quint8 code = m_cells[m_current];
    m_cells[m_current] = 0;
    m_inList[code - kFirstCode] = true;
    ++m_listCount;
    if (!m_selected)
        m_selected = code;

    const Step back = m_shift == ShiftDirection::Horizontal ? Step::Left : Step::Up;
    moveHighlight(neighbour(m_current, back), CellLook::Highlight);
}

void CustomMapModel::selectCell(int cell)
{
    if (cell >= 0 && cell < kCells)
        moveHighlight(cell, CellLook::Highlight);
}

void CustomMapModel::step(Step key)
{
    moveHighlight(neighbour(m_current, key), CellLook::Highlight);
}

void CustomMapModel::clickList(int position)
{
    if (m_listCount == 0)
        return;
    if (position < 0 || position >= m_listCount)
        position = 0;
    m_selected = listCode(position);
    m_looks[m_current] = CellLook::ListHighlight;
}

void CustomMapModel::moveHighlight(int to, CellLook look)
{
    m_looks[m_current] = CellLook::Left;
    m_current = to;
    m_looks[m_current] = look;
}

int CustomMapModel::neighbour(int cell, Step key)
{
    constexpr int last = kCells - 1;
    constexpr int lastRowStart = kCells - kColumns;
    // From the bottom of a column to the top of the next one, and back.
    constexpr int columnWrap = lastRowStart - 1;
    switch (key) {
    case Step::Home:
        return 0;
    case Step::End:
        return last;
    case Step::Left:
        return cell == 0 ? last : cell - 1;
    case Step::Right:
        return cell == last ? 0 : cell + 1;
    case Step::Up:
        if (cell >= kColumns)
            return cell - kColumns;
        return cell == 0 ? last : cell + columnWrap;
    case Step::Down:
        if (cell < lastRowStart)
            return cell + kColumns;
        return cell == last ? 0 : cell - columnWrap;
    }
    return cell;
}

QString CustomMapModel::keyStroke(quint8 code)
{
    if (code == 32)
        return QStringLiteral("Space Bar");
    if (code <= 126)
        return QString(QLatin1Char(char(code)));
    if (code == 127)
        return QStringLiteral("Ctrl+1");
    if (code == 128)
        return QStringLiteral("Ctrl+2");
    return QStringLiteral("Alt+0") + QString::number(code);
}

#include "textboard/rules/EditHistory.h"

void EditHistory::record(const TextEdit &edit, Kind kind)
{
    m_steps.resize(m_done); // a new edit ends what could be redone
    if (m_open && kind == m_lastKind && kind != Kind::Other && !m_steps.isEmpty()
        && mergeInto(m_steps.last(), edit, kind))
        return;
    m_steps.append(edit);
    m_done = m_steps.size();
    m_lastKind = kind;
    m_open = kind != Kind::Other;
}

bool EditHistory::mergeInto(TextEdit &last, const TextEdit &edit, Kind kind) const
{
    switch (kind) {
    case Kind::Typing:
        if (!edit.removed.isEmpty() || edit.position != last.position + last.inserted.size())
            return false;
        last.inserted += edit.inserted;
        return true;
    case Kind::DeletingBack:
        if (!edit.inserted.isEmpty() || !last.inserted.isEmpty() || edit.position + edit.removed.size() != last.position)
            return false;
        last.position = edit.position;
        last.removed.prepend(edit.removed);
        return true;
    case Kind::DeletingForward:
        if (!edit.inserted.isEmpty() || !last.inserted.isEmpty() || edit.position != last.position)
            return false;
        last.removed += edit.removed;
        return true;
    case Kind::Other:
        break;
    }
    return false;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_open = false;
}

std::optional<TextEdit> EditHistory::undo()
{
    m_open = false;
    if (!canUndo())
        return std::nullopt;
    return m_steps.at(--m_done);
}

std::optional<TextEdit> EditHistory::redo()
{
    m_open = false;
    if (!canRedo())
        return std::nullopt;
    return m_steps.at(m_done++);
}

#include "textboard/rules/TextBoardBuffer.h"

#include "textboard/rules/BoardText.h"
#include "textboard/rules/PasteRoom.h"

#include <limits>

void TextBoardBuffer::setText(const QString &text)
{
    m_text = BoardText::withBoardBreaks(text);
    m_anchor = m_caret = 0;
    m_history.clear();
}

void TextBoardBuffer::recode(const QString &text)
{
    if (text.size() != m_text.size())
        return;
    m_text = text;
    m_history.clear();
}

qsizetype TextBoardBuffer::room() const
{
    if (m_maxLength <= 0)
        return std::numeric_limits<int>::max();
    return m_maxLength - (length() - selectionLength());
}

QString TextBoardBuffer::selectedText() const
{
    return m_text.mid(selectionStart(), selectionLength());
}

void TextBoardBuffer::setSelection(qsizetype anchor, qsizetype caret)
{
    m_anchor = BoardText::validPosition(m_text, anchor);
    m_caret = BoardText::validPosition(m_text, caret);
}

TextBoardBuffer::Change TextBoardBuffer::replace(qsizetype position, qsizetype length, const QString &with)
{
    Change change{position, length, with.size(), m_text.mid(position, length)};
    m_text.replace(position, length, with);
    return change;
}

std::optional<TextBoardBuffer::Change> TextBoardBuffer::insert(const QString &text, EditHistory::Kind kind,
                                                                Overflow overflow)
{
    QString inserted = BoardText::withBoardBreaks(text);
    const qsizetype free = room();
    if (inserted.size() > free) {
        if (overflow == Overflow::Refuse)
            return std::nullopt;
        inserted = PasteRoom::partialText(inserted, int(std::max<qsizetype>(0, free)));
    }
    if (inserted.isEmpty() && !hasSelection())
        return std::nullopt;
    const qsizetype start = selectionStart();
    m_history.record(TextEdit{start, selectedText(), inserted, m_anchor, m_caret}, kind);
    const Change change = replace(start, selectionLength(), inserted);
    m_anchor = m_caret = start + inserted.size();
    return change;
}

std::optional<TextBoardBuffer::Change> TextBoardBuffer::remove(qsizetype from, qsizetype to, EditHistory::Kind kind)
{
    from = BoardText::validPosition(m_text, from);
    to = BoardText::validPosition(m_text, to);
    if (from > to)
        std::swap(from, to);
    if (from == to)
        return std::nullopt;
    m_history.record(TextEdit{from, m_text.mid(from, to - from), QString(), m_anchor, m_caret}, kind);
    const Change change = replace(from, to - from, QString());
    m_anchor = m_caret = from;
    return change;
}

std::optional<TextBoardBuffer::Change> TextBoardBuffer::undo()
{
    const std::optional<TextEdit> step = m_history.undo();
    if (!step)
        return std::nullopt;
    const Change change = replace(step->position, step->inserted.size(), step->removed);
    setSelection(step->anchorBefore, step->caretBefore);
    return change;
}

std::optional<TextBoardBuffer::Change> TextBoardBuffer::redo()
{
    const std::optional<TextEdit> step = m_history.redo();
    if (!step)
        return std::nullopt;
    const Change change = replace(step->position, step->removed.size(), step->inserted);
    m_anchor = m_caret = step->position + step->inserted.size();
    return change;
}

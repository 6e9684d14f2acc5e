#pragma once

#include "textboard/rules/EditHistory.h"

#include <QString>

#include <optional>

// The TextBoard's text, its selection, its maximum length and its undo history, without
// any display. Positions count the board's characters (a CR LF break is two) and are
// always valid caret positions (see BoardText.h). The selection runs from the anchor to
// the caret, in either order.
class TextBoardBuffer final
{
public:
    // Where a change took place: `removed` characters at `position` gave way to `inserted`.
    struct Change
    {
        qsizetype position = 0;
        qsizetype removed = 0;
        qsizetype inserted = 0;
        QString removedText;
    };
    // What to do with text that does not fit in: refuse all of it, or keep what fits.
    enum class Overflow { Refuse, Cut };

    const QString &text() const { return m_text; }
    qsizetype length() const { return m_text.size(); }
    // New text (any breaks become CR LF): the caret at the start, no history.
    void setText(const QString &text);
    // The same number of characters in place of the text (the same codes in another
    // charset): the selection stays, the history (whose steps hold the old characters)
    // starts afresh. Ignored when the length differs.
    void recode(const QString &text);

    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; } // 0: no limit
    // Characters that may still go in place of the selection.
    qsizetype room() const;

    qsizetype anchor() const { return m_anchor; }
    qsizetype caret() const { return m_caret; }
    qsizetype selectionStart() const { return std::min(m_anchor, m_caret); }
    qsizetype selectionEnd() const { return std::max(m_anchor, m_caret); }
    qsizetype selectionLength() const { return selectionEnd() - selectionStart(); }
    bool hasSelection() const { return m_anchor != m_caret; }
    QString selectedText() const;
    void setSelection(qsizetype anchor, qsizetype caret);
    void setCaret(qsizetype caret) { setSelection(caret, caret); }

    // `text` (any breaks become CR LF) in place of the selection, the caret after it;
    // nothing when nothing changes or the text was refused.
    std::optional<Change> insert(const QString &text, EditHistory::Kind kind, Overflow overflow);
    // Removes [from, to) (valid positions, either order), the caret where it was.
    std::optional<Change> remove(qsizetype from, qsizetype to, EditHistory::Kind kind);

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    std::optional<Change> undo();
    std::optional<Change> redo();
    // The next typing or deleting starts a step of its own (the caret was moved).
    void closeEditRun() { m_history.closeRun(); }

private:
    Change replace(qsizetype position, qsizetype length, const QString &with);

    QString m_text;
    qsizetype m_anchor = 0;
    qsizetype m_caret = 0;
    int m_maxLength = 0;
    EditHistory m_history;
};

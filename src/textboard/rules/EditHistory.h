#pragma once

#include <QList>
#include <QString>

#include <optional>

// One change of a text: at `position`, `removed` gave way to `inserted`. The selection
// before it (anchor and caret) comes back when the change is undone.
struct TextEdit
{
    qsizetype position = 0;
    QString removed;
    QString inserted;
    qsizetype anchorBefore = 0;
    qsizetype caretBefore = 0;
};

// The undo and redo steps of an editor. Characters typed one after another, and a run of
// Backspace or of Delete, make one step, as in every text box; anything else, or a caret
// moved in between (closeRun), starts a new one.
class EditHistory final
{
public:
    enum class Kind { Typing, DeletingBack, DeletingForward, Other };

    void record(const TextEdit &edit, Kind kind);
    void closeRun() { m_open = false; }
    void clear();

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The step to take back (the caller puts `removed` in place of `inserted`), or to do
    // again; nothing when there is none.
    std::optional<TextEdit> undo();
    std::optional<TextEdit> redo();

private:
    bool mergeInto(TextEdit &last, const TextEdit &edit, Kind kind) const;

    QList<TextEdit> m_steps;
    qsizetype m_done = 0;  // steps [0, m_done) are done, the rest can be redone
    Kind m_lastKind = Kind::Other;
    bool m_open = false;   // the last step may still grow
};

#pragma once

#include "textboard/TextBoardLayout.h"
#include "textboard/rules/TextBoardBuffer.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPoint>

class QMimeData;

// The TextBoard's text box. It speaks the classic text box's language: the text uses
// CR LF line breaks, positions and lengths count each break as two characters, and the
// box refuses input beyond its maximum length.
//
// It is a box of its own rather than a rich text editor: it keeps the text as one string,
// breaks lines from a table of character advances and draws only the lines in view, so a
// keystroke on a full board re-breaks only what it reaches. It keeps what users expect of
// a text box: selection with the mouse and the keys, caret movement by characters, words,
// lines and pages, undo and redo, the clipboard and the X selection, drag and drop, a
// context menu, input methods and dead keys, and accessibility. It writes on white paper
// under any desktop palette: the text's colours are chosen against white.
class TextBoardEdit final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardEdit)

public:
    explicit TextBoardEdit(QWidget *parent = nullptr);

    // The paper the text is written on, whatever the desktop's palette.
    static QColor paper() { return Qt::white; }

    int MaxLength() const { return m_buffer.maxLength(); }
    void setMaxLength(int length) { m_buffer.setMaxLength(length); }

    QString Text() const { return m_buffer.text(); }
    // New text (any breaks become CR LF): caret at the start, no undo history; always a
    // Change, as in the classic box.
    void setText(const QString &text);
    int length() const { return int(m_buffer.length()); }

    int SelStart() const { return int(m_buffer.selectionStart()); }
    void setSelStart(int start);        // also clears the selection
    int SelLength() const { return int(m_buffer.selectionLength()); }
    void setSelLength(int length);
    QString SelText() const { return m_buffer.selectedText(); }
    // Replaces the selection (or inserts at the caret), within the maximum length;
    // false when nothing could be inserted because the box is full.
    bool setSelText(const QString &text);

    // A read-only box shows its caret and lets the keys and the mouse move it and select,
    // as a preview does; nothing typed, pasted, dropped or undone changes its text (code
    // still sets it).
    void setReadOnly(bool readOnly);

    // The alignment codes of the classic box: 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void setAlignment(int code);
    // How the lines are placed.
    Qt::Alignment textAlignment() const { return m_layout.alignment(); }

    // The same number of characters in place of the text (the same codes in another
    // charset): no Change, caret, selection and scroll position stay, and the undo history
    // starts afresh.
    void recode(const QString &text);

    // Where the caret and the selection's anchor are, for accessibility and the input
    // method: positions and the rectangle of a character, in the viewport's coordinates.
    int caretPosition() const { return int(m_buffer.caret()); }
    int anchorPosition() const { return int(m_buffer.anchor()); }
    void select(int anchor, int caret);
    QRect characterRect(int position) const;
    int positionAt(const QPoint &viewportPoint) const;
    const TextBoardLayout &textLayout() const { return m_layout; }
    void ensureVisible(int position);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // The box's own commands (its keys and its context menu).
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();

Q_SIGNALS:
    // The text changed, by typing, a paste, a load or code (the box's Change event).
    void Change();
    void keyReleased();
    void mouseReleased();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    enum class Unit { Character, Word };
    enum class Direction { Back, Forward };

    // Editing: every change of the text goes through applied().
    void applied(const std::optional<TextBoardBuffer::Change> &change);
    bool insertTyped(const QString &text);
    void insertFromMimeData(const QMimeData *source);
    void deleteFromCaret(Direction direction, Unit unit);
    void removeSelection();
    QString plainTextOf(const QString &boardText) const;

    // The caret and the selection.
    void moveCaret(qsizetype position, bool keepAnchor, bool upstream = false);
    bool navigate(QKeyEvent *event);
    qsizetype verticalTarget(int lines, bool *upstream);
    qsizetype caretInViewport(const QPoint &point, bool *upstream = nullptr) const;
    void selectionMoved();
    void publishSelection() const;

    // Showing.
    void relayout();
    void updateScrollBars();
    void ensureCaretVisible();
    void scrollToShow(int top, int bottom);
    void restartBlinking();
    QRect caretRect() const;
    int scrollY() const;
    // The colours the text is drawn in on its white paper.
    QPalette paperPalette() const;
    QColor caretOnPaper() const;

    TextBoardBuffer m_buffer;
    TextBoardLayout m_layout;
    int m_alignment = 0;
    bool m_readOnly = false;
    bool m_upstream = false;      // the caret shows at the end of a wrapped line
    qreal m_goalX = -1;           // where Up and Down aim, kept over short lines
    bool m_caretShown = false;
    QBasicTimer m_blink;
    QString m_preedit;            // text the input method is composing
    int m_preeditCaret = 0;

    // The mouse.
    QPoint m_pressPoint;
    bool m_mayDrag = false;       // pressed inside the selection: a move drags it
    bool m_selecting = false;
    QBasicTimer m_autoScroll;
    QPoint m_lastMouse;
    QBasicTimer m_tripleClick;
    QPoint m_doubleClickPoint;
    qsizetype m_dropCaret = -1;   // where a drop would go, shown while dragging over
};

#include "textboard/TextBoardEdit.h"

#include "textboard/TextBoardAccessible.h"
#include "textboard/rules/BoardText.h"
#include "textboard/rules/WordRule.h"
#include "widgets/Contrast.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kAutoScrollInterval = 50;       // ms between steps while a drag selects past the edge
constexpr qsizetype kSurroundingText = 512;   // characters the input method sees on each side

// The text's colours are the 16 fixed colours that its files store, chosen against white, so
// the page stays white under any desktop palette, as a word processor's page does; the text
// is black until a colour is given.
const QColor kPaperInk(Qt::black);
// How far a caret or a selection must stand out from the paper to be seen.
constexpr double kVisibleOnPaper = 3.0;

// The keys the box acts on itself, so that no shortcut of the window takes them away.
constexpr QKeySequence::StandardKey kOwnKeys[] = {
    QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
    QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
    QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar, QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord, QKeySequence::MoveToNextLine, QKeySequence::MoveToPreviousLine,
    QKeySequence::MoveToNextPage, QKeySequence::MoveToPreviousPage, QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine, QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar, QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord, QKeySequence::SelectNextLine, QKeySequence::SelectPreviousLine,
    QKeySequence::SelectNextPage, QKeySequence::SelectPreviousPage, QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine, QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
};

bool isTypedText(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return text.at(0).isPrint() || text.at(0).isSurrogate() || text == QLatin1String("\t");
}

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// The hard line (between CR LF breaks) around `position`, as [start, end).
std::pair<qsizetype, qsizetype> paragraphAt(const QString &text, qsizetype position)
{
    const qsizetype before = position > 0 ? text.lastIndexOf(QLatin1String("\r\n"), position - 1) : -1;
    const qsizetype start = before < 0 ? 0 : before + 2;
    const qsizetype after = text.indexOf(QLatin1String("\r\n"), position);
    return {start, after < 0 ? text.size() : after};
}

QString menuText(const char *text, QKeySequence::StandardKey key)
{
    // Qt's own captions, so that its translations apply.
    QString caption = QCoreApplication::translate("QWidgetTextControl", text);
    const QKeySequence shortcut(key);
    if (!shortcut.isEmpty())
        caption += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
    return caption;
}

} // namespace

TextBoardEdit::TextBoardEdit(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_layout(font())
{
    setObjectName(QStringLiteral("TextBoard"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setInputMethodHints(Qt::ImhMultiLine);
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);
    QPalette onPaper = palette();
    onPaper.setColor(QPalette::Base, paper());
    onPaper.setColor(QPalette::Text, kPaperInk);
    setPalette(onPaper);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_layout.setWidth(viewport()->width());
    m_layout.layout(QString());
    TextBoardAccessible::install();
}

// ---- The classic box's interface ---------------------------------------------------------

void TextBoardEdit::setText(const QString &text)
{
    const QString before = m_buffer.text();
    m_buffer.setText(text);
    m_upstream = false;
    m_goalX = -1;
    m_layout.layout(m_buffer.text());
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    TextBoardAccessible::textChanged(this, 0, before, m_buffer.text());
    selectionMoved();
    Q_EMIT Change();
}

void TextBoardEdit::setSelStart(int start)
{
    moveCaret(BoardText::validPosition(m_buffer.text(), start), false);
}

void TextBoardEdit::setSelLength(int length)
{
    const qsizetype start = m_buffer.selectionStart();
    select(int(start), int(start + std::max(0, length)));
}

bool TextBoardEdit::setSelText(const QString &text)
{
    if (BoardText::withBoardBreaks(text).size() > m_buffer.room())
        return false;
    applied(m_buffer.insert(text, EditHistory::Kind::Other, TextBoardBuffer::Overflow::Refuse));
    return true;
}

void TextBoardEdit::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
}

void TextBoardEdit::setAlignment(int code)
{
    m_alignment = code;
    Qt::Alignment align = Qt::AlignLeft;
    if (code == 1)
        align = Qt::AlignRight;
    else if (code == 2)
        align = Qt::AlignHCenter;
    // Alignment places the lines; it does not break them differently.
    if (align == m_layout.alignment())
        return;
    m_layout.setAlignment(align);
    viewport()->update();
}

void TextBoardEdit::recode(const QString &text)
{
    if (text.size() != m_buffer.length() || text == m_buffer.text())
        return;
    const int scroll = scrollY();
    m_buffer.recode(text);
    m_layout.layout(m_buffer.text());
    updateScrollBars();
    verticalScrollBar()->setValue(scroll);
    viewport()->update();
}

// ---- Positions -------------------------------------------------------------------------

int TextBoardEdit::scrollY() const
{
    return verticalScrollBar()->value();
}

void TextBoardEdit::select(int anchor, int caret)
{
    m_buffer.setSelection(anchor, caret);
    m_buffer.closeEditRun();
    m_upstream = false;
    m_goalX = -1;
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    selectionMoved();
}

QRect TextBoardEdit::characterRect(int position) const
{
    const QString &text = m_buffer.text();
    const qsizetype p = BoardText::validPosition(text, position);
    const qsizetype line = m_layout.lines().lineOf(p);
    const qsizetype next = std::min(BoardText::nextPosition(text, p), m_layout.lines().end(text, line));
    return m_layout.spanRect(text, line, p, std::max(p, next)).toAlignedRect().translated(0, -scrollY());
}

int TextBoardEdit::positionAt(const QPoint &viewportPoint) const
{
    return int(caretInViewport(viewportPoint));
}

qsizetype TextBoardEdit::caretInViewport(const QPoint &point, bool *upstream) const
{
    return m_layout.caretAt(m_buffer.text(), QPointF(point) + QPointF(0, scrollY()), upstream);
}

QRect TextBoardEdit::caretRect() const
{
    const QPointF at = m_layout.caretPoint(m_buffer.text(), m_buffer.caret(), m_upstream);
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    return QRect(int(std::floor(at.x())), int(at.y()), width, m_layout.lineHeight());
}

void TextBoardEdit::ensureVisible(int position)
{
    const int top = int(m_layout.caretPoint(m_buffer.text(), position, false).y());
    scrollToShow(top, top + m_layout.lineHeight());
}

void TextBoardEdit::ensureCaretVisible()
{
    const QRect caret = caretRect();
    scrollToShow(caret.top(), caret.bottom() + 1);
}

void TextBoardEdit::scrollToShow(int top, int bottom)
{
    // The first and the last line show with the margin around the text.
    QScrollBar *bar = verticalScrollBar();
    if (top <= TextBoardLayout::kMargin)
        top = 0;
    if (bottom >= m_layout.height() - TextBoardLayout::kMargin)
        bottom = m_layout.height();
    const int height = viewport()->height();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + height)
        bar->setValue(bottom - height);
}

// ---- Editing -----------------------------------------------------------------------------

void TextBoardEdit::applied(const std::optional<TextBoardBuffer::Change> &change)
{
    if (!change)
        return;
    const QString &text = m_buffer.text();
    m_layout.update(text, *change);
    m_upstream = false;
    m_goalX = -1;
    updateScrollBars();
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    TextBoardAccessible::textChanged(this, int(change->position), change->removedText,
                                     text.mid(change->position, change->inserted));
    selectionMoved();
    Q_EMIT Change();
}

bool TextBoardEdit::insertTyped(const QString &text)
{
    if (m_readOnly)
        return false;
    // Typing beyond the maximum length is refused, as the classic box did.
    if (BoardText::withBoardBreaks(text).size() > m_buffer.room())
        return false;
    applied(m_buffer.insert(text, EditHistory::Kind::Typing, TextBoardBuffer::Overflow::Refuse));
    return true;
}

void TextBoardEdit::insertFromMimeData(const QMimeData *source)
{
    // Drops and the box's own paste stay within the limit too (cut to the room left).
    if (m_readOnly || !source || !source->hasText())
        return;
    applied(m_buffer.insert(source->text(), EditHistory::Kind::Other, TextBoardBuffer::Overflow::Cut));
}

void TextBoardEdit::removeSelection()
{
    applied(m_buffer.remove(m_buffer.selectionStart(), m_buffer.selectionEnd(), EditHistory::Kind::Other));
}

void TextBoardEdit::deleteFromCaret(Direction direction, Unit unit)
{
    if (m_readOnly)
        return;
    // A selection goes whole, whichever way the key deletes.
    if (m_buffer.hasSelection()) {
        removeSelection();
        return;
    }
    const QString &text = m_buffer.text();
    const qsizetype caret = m_buffer.caret();
    if (direction == Direction::Back) {
        const qsizetype from = unit == Unit::Word ? WordRule::previousWordStart(text, caret)
                                                  : BoardText::previousPosition(text, caret);
        applied(m_buffer.remove(from, caret, EditHistory::Kind::DeletingBack));
    } else {
        const qsizetype to =
            unit == Unit::Word ? WordRule::nextWordStart(text, caret) : BoardText::nextPosition(text, caret);
        applied(m_buffer.remove(caret, to, EditHistory::Kind::DeletingForward));
    }
}

QString TextBoardEdit::plainTextOf(const QString &boardText) const
{
    QString text = boardText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

void TextBoardEdit::undo()
{
    if (!m_readOnly)
        applied(m_buffer.undo());
}

void TextBoardEdit::redo()
{
    if (!m_readOnly)
        applied(m_buffer.redo());
}

void TextBoardEdit::copy() const
{
    if (m_buffer.hasSelection())
        QGuiApplication::clipboard()->setText(plainTextOf(m_buffer.selectedText()));
}

void TextBoardEdit::cut()
{
    if (m_readOnly || !m_buffer.hasSelection())
        return;
    copy();
    removeSelection();
}

void TextBoardEdit::paste()
{
    insertFromMimeData(QGuiApplication::clipboard()->mimeData());
}

void TextBoardEdit::selectAll()
{
    select(0, length());
}

// ---- Caret and selection -------------------------------------------------------------------

void TextBoardEdit::moveCaret(qsizetype position, bool keepAnchor, bool upstream)
{
    m_buffer.setSelection(keepAnchor ? m_buffer.anchor() : position, position);
    m_buffer.closeEditRun();
    m_upstream = upstream && m_buffer.caret() == position;
    m_goalX = -1;
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    selectionMoved();
}

void TextBoardEdit::selectionMoved()
{
    TextBoardAccessible::selectionChanged(this);
}

void TextBoardEdit::publishSelection() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && m_buffer.hasSelection())
        clipboard->setText(plainTextOf(m_buffer.selectedText()), QClipboard::Selection);
}

qsizetype TextBoardEdit::verticalTarget(int lines, bool *upstream)
{
    // Up and Down aim at the x the caret had before a run of them, over shorter lines.
    const QString &text = m_buffer.text();
    const VisualLines &visual = m_layout.lines();
    const qsizetype line = visual.caretLine(text, m_buffer.caret(), m_upstream);
    if (m_goalX < 0)
        m_goalX = m_layout.caretPoint(text, m_buffer.caret(), m_upstream).x();
    *upstream = m_upstream;
    const qsizetype target = line + lines;
    // A page beyond the first or last line goes to the text's start or end.
    if (target < 0)
        return std::abs(lines) > 1 ? 0 : m_buffer.caret();
    if (target >= visual.count())
        return std::abs(lines) > 1 ? text.size() : m_buffer.caret();
    return m_layout.caretAt(text, QPointF(m_goalX, m_layout.lineTop(target)), upstream);
}

bool TextBoardEdit::navigate(QKeyEvent *event)
{
    struct Move
    {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
    };
    enum Target { NextChar, PreviousChar, NextWord, PreviousWord, NextLine, PreviousLine, NextPage, PreviousPage,
                  LineStart, LineEnd, DocumentStart, DocumentEnd };
    static constexpr Move kMoves[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument},
    };
    int found = -1;
    bool selecting = false;
    for (int i = 0; i < int(std::size(kMoves)); ++i) {
        if (event->matches(kMoves[i].select)) {
            found = i;
            selecting = true;
            break;
        }
        if (event->matches(kMoves[i].move)) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return false;

    const QString &text = m_buffer.text();
    const VisualLines &visual = m_layout.lines();
    const qsizetype caret = m_buffer.caret();
    const qsizetype line = visual.caretLine(text, caret, m_upstream);
    const int pageLines = std::max(1, viewport()->height() / m_layout.lineHeight());
    qsizetype position = caret;
    bool upstream = false;
    bool vertical = false;
    switch (Target(found)) {
    case NextChar:
        // An arrow without Shift first ends a selection at its side.
        position = !selecting && m_buffer.hasSelection() ? m_buffer.selectionEnd() : BoardText::nextPosition(text, caret);
        break;
    case PreviousChar:
        position = !selecting && m_buffer.hasSelection() ? m_buffer.selectionStart()
                                                         : BoardText::previousPosition(text, caret);
        break;
    case NextWord:
        position = WordRule::nextWordStart(text, caret);
        break;
    case PreviousWord:
        position = WordRule::previousWordStart(text, caret);
        break;
    case NextLine:
    case PreviousLine:
    case NextPage:
    case PreviousPage: {
        const int step = found == NextLine ? 1 : found == PreviousLine ? -1 : found == NextPage ? pageLines : -pageLines;
        position = verticalTarget(step, &upstream);
        vertical = true;
        break;
    }
    case LineStart:
        position = visual.start(line);
        break;
    case LineEnd:
        position = visual.lastCaret(text, line);
        upstream = line + 1 < visual.count() && position == visual.start(line + 1);
        break;
    case DocumentStart:
        position = 0;
        break;
    case DocumentEnd:
        position = text.size();
        break;
    }
    const qreal goal = m_goalX;
    moveCaret(position, selecting, upstream);
    if (vertical)
        m_goalX = goal;
    if (selecting)
        publishSelection();
    return true;
}

// ---- Showing --------------------------------------------------------------------------------

void TextBoardEdit::relayout()
{
    m_layout.layout(m_buffer.text());
    updateScrollBars();
    viewport()->update();
}

void TextBoardEdit::updateScrollBars()
{
    QScrollBar *bar = verticalScrollBar();
    const int height = viewport()->height();
    bar->setSingleStep(m_layout.lineHeight());
    bar->setPageStep(height);
    bar->setRange(0, std::max(0, m_layout.height() - height));
}

void TextBoardEdit::restartBlinking()
{
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void TextBoardEdit::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const int y = scrollY();
    painter.translate(0, -y);
    const QRectF area = QRectF(event->rect()).translated(0, y);
    const QString &text = m_buffer.text();
    m_layout.paint(painter, area, text, m_buffer.selectionStart(), m_buffer.selectionEnd(), paperPalette());
    const QColor caretColor = caretOnPaper();

    const QRect caret = caretRect();
    if (!m_preedit.isEmpty()) {
        // What the input method composes shows at the caret, underlined, over the text.
        const QFontMetricsF metrics(m_layout.font());
        const QRectF box(caret.left(), caret.top(), metrics.horizontalAdvance(m_preedit), caret.height());
        painter.fillRect(box, palette().brush(QPalette::Base));
        painter.setPen(palette().color(QPalette::Text));
        painter.setFont(m_layout.font());
        const qreal baseline = caret.top() + metrics.ascent();
        painter.drawText(QPointF(box.left(), baseline), m_preedit);
        painter.drawLine(QPointF(box.left(), baseline + 2), QPointF(box.right(), baseline + 2));
        const qreal x = box.left() + metrics.horizontalAdvance(m_preedit.left(m_preeditCaret));
        painter.fillRect(QRectF(x, caret.top(), caret.width(), caret.height()), caretColor);
    } else if (hasFocus() && m_caretShown) {
        painter.fillRect(caret, caretColor);
    }
    if (m_dropCaret >= 0) {
        const QPointF at = m_layout.caretPoint(text, m_dropCaret, false);
        painter.fillRect(QRectF(at.x(), at.y(), caret.width(), m_layout.lineHeight()), caretColor);
    }
}

QPalette TextBoardEdit::paperPalette() const
{
    // The desktop's selection colours where they show on the paper; a high-contrast theme's
    // light selection would vanish on it, and the classic navy selection takes its place.
    QPalette p = palette();
    if (contrastRatio(p.color(QPalette::Highlight), paper()) < kVisibleOnPaper) {
        p.setColor(QPalette::Highlight, QColor(0, 0, 128));
        p.setColor(QPalette::HighlightedText, Qt::white);
    }
    return p;
}

QColor TextBoardEdit::caretOnPaper() const
{
    // The caret takes the text's colour, unless that colour hardly shows on the paper
    // (yellow, white, silver): a caret must be seen whatever the text looks like.
    const QColor text = palette().color(QPalette::Text);
    return contrastRatio(text, paper()) >= kVisibleOnPaper ? text : kPaperInk;
}

void TextBoardEdit::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dx)
    viewport()->scroll(0, dy);
}

void TextBoardEdit::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_layout.setWidth(viewport()->width()))
        relayout();
    else
        updateScrollBars();
}

void TextBoardEdit::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_layout.setFont(font());
        relayout();
        ensureCaretVisible();
    }
}

void TextBoardEdit::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update();
}

void TextBoardEdit::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    m_caretShown = false;
    viewport()->update();
}

void TextBoardEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(caretRect().translated(0, -scrollY()));
    } else if (event->timerId() == m_autoScroll.timerId()) {
        QScrollBar *bar = verticalScrollBar();
        if (m_lastMouse.y() < 0)
            bar->setValue(bar->value() - m_layout.lineHeight());
        else if (m_lastMouse.y() > viewport()->height())
            bar->setValue(bar->value() + m_layout.lineHeight());
        bool upstream = false;
        const qsizetype position = caretInViewport(m_lastMouse, &upstream);
        moveCaret(position, true, upstream);
    } else if (event->timerId() == m_tripleClick.timerId()) {
        m_tripleClick.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

// ---- Keys -------------------------------------------------------------------------------

bool TextBoardEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool own = std::any_of(std::begin(kOwnKeys), std::end(kOwnKeys),
                                     [key](QKeySequence::StandardKey k) { return key->matches(k); });
        const bool editing = isTypedText(key) || isEnter(key)
            || ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier
                && (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab));
        if (own || (editing && !m_readOnly)) {
            key->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool TextBoardEdit::focusNextPrevChild(bool next)
{
    // Tab types a tab, as in the classic box; Shift+Tab still leaves it.
    if (next)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TextBoardEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo))
        undo();
    else if (event->matches(QKeySequence::Redo))
        redo();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (navigate(event))
        ;
    else if (m_readOnly) {
        // Keys that would edit go on to the window, as a read-only box leaves them.
        QAbstractScrollArea::keyPressEvent(event);
        return;
    } else if (event->matches(QKeySequence::DeleteStartOfWord))
        deleteFromCaret(Direction::Back, Unit::Word);
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        deleteFromCaret(Direction::Forward, Unit::Word);
    else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        deleteFromCaret(Direction::Back, Unit::Character);
    else if (event->matches(QKeySequence::Delete))
        deleteFromCaret(Direction::Forward, Unit::Character);
    else if (isEnter(event))
        insertTyped(QStringLiteral("\r\n"));
    else if (isTypedText(event))
        insertTyped(event->text());
    else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TextBoardEdit::keyReleaseEvent(QKeyEvent *event)
{
    QAbstractScrollArea::keyReleaseEvent(event);
    Q_EMIT keyReleased();
}

// ---- The mouse -----------------------------------------------------------------------------

void TextBoardEdit::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    bool upstream = false;
    const qsizetype position = caretInViewport(point, &upstream);
    if (event->button() == Qt::LeftButton) {
        if (m_tripleClick.isActive()
            && (point - m_doubleClickPoint).manhattanLength() < QApplication::startDragDistance()) {
            // A third click selects the whole line, up to its break.
            m_tripleClick.stop();
            const auto [start, end] = paragraphAt(m_buffer.text(), m_buffer.caret());
            select(int(start), int(end));
            return;
        }
        const bool inSelection = m_buffer.hasSelection() && position >= m_buffer.selectionStart()
            && position < m_buffer.selectionEnd();
        if (inSelection && !(event->modifiers() & Qt::ShiftModifier)) {
            m_mayDrag = true;
            m_pressPoint = point;
            return;
        }
        moveCaret(position, event->modifiers() & Qt::ShiftModifier, upstream);
        m_selecting = true;
    } else if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        moveCaret(position, false, upstream);
        insertFromMimeData(QGuiApplication::clipboard()->mimeData(QClipboard::Selection));
    }
}

void TextBoardEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    if (m_mayDrag) {
        if ((point - m_pressPoint).manhattanLength() < QApplication::startDragDistance())
            return;
        m_mayDrag = false;
        // Dragging the selection out: a move takes it away once another place took it in.
        const qsizetype start = m_buffer.selectionStart();
        const QString dragged = m_buffer.selectedText();
        auto *data = new QMimeData;
        data->setText(plainTextOf(dragged));
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action =
            m_readOnly ? drag->exec(Qt::CopyAction) : drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        const bool movedOut = action == Qt::MoveAction && drag->target() != viewport() && drag->target() != this;
        if (movedOut && m_buffer.text().mid(start, dragged.size()) == dragged)
            applied(m_buffer.remove(start, start + dragged.size(), EditHistory::Kind::Other));
        return;
    }
    if (!m_selecting)
        return;
    m_lastMouse = point;
    if (point.y() < 0 || point.y() > viewport()->height()) {
        if (!m_autoScroll.isActive())
            m_autoScroll.start(kAutoScrollInterval, this);
    } else {
        m_autoScroll.stop();
    }
    bool upstream = false;
    const qsizetype position = caretInViewport(point, &upstream);
    if (position != m_buffer.caret())
        moveCaret(position, true, upstream);
}

void TextBoardEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_autoScroll.stop();
        if (m_mayDrag) {
            // A click inside the selection, not a drag: the caret goes there.
            m_mayDrag = false;
            bool upstream = false;
            const qsizetype position = caretInViewport(event->position().toPoint(), &upstream);
            moveCaret(position, false, upstream);
        }
        m_selecting = false;
        publishSelection();
    }
    Q_EMIT mouseReleased();
}

void TextBoardEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const QString &text = m_buffer.text();
    const qsizetype character = m_layout.characterAt(text, QPointF(point) + QPointF(0, scrollY()));
    const auto [start, end] = WordRule::wordAt(text, character);
    select(int(start), int(end));
    m_selecting = false;
    m_mayDrag = false;
    m_doubleClickPoint = point;
    m_tripleClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this);
    publishSelection();
}

void TextBoardEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    const bool selected = m_buffer.hasSelection();
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    const bool editable = !m_readOnly;
    menu.addAction(menuText("&Undo", QKeySequence::Undo), this, &TextBoardEdit::undo)
        ->setEnabled(editable && m_buffer.canUndo());
    menu.addAction(menuText("&Redo", QKeySequence::Redo), this, &TextBoardEdit::redo)
        ->setEnabled(editable && m_buffer.canRedo());
    menu.addSeparator();
    menu.addAction(menuText("Cu&t", QKeySequence::Cut), this, &TextBoardEdit::cut)->setEnabled(editable && selected);
    menu.addAction(menuText("&Copy", QKeySequence::Copy), this, &TextBoardEdit::copy)->setEnabled(selected);
    menu.addAction(menuText("&Paste", QKeySequence::Paste), this, &TextBoardEdit::paste)
        ->setEnabled(editable && clipboard && clipboard->hasText());
    menu.addAction(menuText("Delete", QKeySequence::UnknownKey), this, [this] { deleteFromCaret(Direction::Forward, Unit::Character); })
        ->setEnabled(editable && selected);
    menu.addSeparator();
    menu.addAction(menuText("Select All", QKeySequence::SelectAll), this, &TextBoardEdit::selectAll)
        ->setEnabled(length() > 0);
    menu.exec(event->globalPos());
}

// ---- Drag and drop ---------------------------------------------------------------------------

void TextBoardEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_readOnly && event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TextBoardEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->mimeData()->hasText())
        return;
    m_dropCaret = caretInViewport(event->position().toPoint());
    viewport()->update();
    event->acceptProposedAction();
}

void TextBoardEdit::dragLeaveEvent(QDragLeaveEvent *event)
{
    Q_UNUSED(event)
    m_dropCaret = -1;
    viewport()->update();
}

void TextBoardEdit::dropEvent(QDropEvent *event)
{
    m_dropCaret = -1;
    viewport()->update();
    if (!event->mimeData()->hasText())
        return;
    qsizetype position = caretInViewport(event->position().toPoint());
    const bool within = event->source() == this && event->dropAction() == Qt::MoveAction;
    if (within) {
        // Moved inside the box: taken out here and put in there.
        const qsizetype start = m_buffer.selectionStart();
        const qsizetype end = m_buffer.selectionEnd();
        if (position >= start && position <= end) {
            event->ignore();
            return;
        }
        const QString moved = m_buffer.selectedText();
        applied(m_buffer.remove(start, end, EditHistory::Kind::Other));
        if (position > end)
            position -= end - start;
        m_buffer.setCaret(position);
        applied(m_buffer.insert(moved, EditHistory::Kind::Other, TextBoardBuffer::Overflow::Cut));
    } else {
        m_buffer.setCaret(position);
        insertFromMimeData(event->mimeData());
    }
    event->acceptProposedAction();
}

// ---- Input methods ---------------------------------------------------------------------------

void TextBoardEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_readOnly) {
        event->ignore();
        return;
    }
    const QString &text = m_buffer.text();
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        if (event->replacementLength() > 0 || event->replacementStart() != 0) {
            const qsizetype from = BoardText::validPosition(text, m_buffer.caret() + event->replacementStart());
            m_buffer.setSelection(from, from + event->replacementLength());
        }
        // Held to the limit as typing is: what does not fit is refused.
        insertTyped(event->commitString());
    } else if (!event->preeditString().isEmpty() && m_buffer.hasSelection()) {
        // Composing replaces the selection, as typing does.
        deleteFromCaret(Direction::Forward, Unit::Character);
    }
    m_preedit = event->preeditString();
    m_preeditCaret = int(m_preedit.size());
    for (const QInputMethodEvent::Attribute &a : event->attributes()) {
        if (a.type == QInputMethodEvent::Cursor)
            m_preeditCaret = std::clamp(a.start, 0, int(m_preedit.size()));
    }
    viewport()->update();
    event->accept();
}

QVariant TextBoardEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method sees the caret's hard line, or a window of it on a long one.
    const QString &text = m_buffer.text();
    const qsizetype caret = m_buffer.caret();
    auto [start, end] = paragraphAt(text, caret);
    start = BoardText::validPosition(text, std::max(start, caret - kSurroundingText));
    end = BoardText::validPosition(text, std::min(end, caret + kSurroundingText));
    const QPoint offset = viewport()->pos();
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect().translated(offset.x(), offset.y() - scrollY());
    case Qt::ImAnchorRectangle: {
        const QPointF at = m_layout.caretPoint(text, m_buffer.anchor(), false);
        return QRect(int(at.x()), int(at.y()) - scrollY(), 1, m_layout.lineHeight()).translated(offset);
    }
    case Qt::ImFont:
        return m_layout.font();
    case Qt::ImCursorPosition:
        return int(caret - start);
    case Qt::ImAnchorPosition:
        return int(std::clamp(m_buffer.anchor(), start, end) - start);
    case Qt::ImSurroundingText:
        return text.mid(start, end - start);
    case Qt::ImTextBeforeCursor:
        return text.mid(start, caret - start);
    case Qt::ImTextAfterCursor:
        return text.mid(caret, end - caret);
    case Qt::ImCurrentSelection:
        return m_buffer.selectedText();
    case Qt::ImMaximumTextLength:
        return MaxLength() > 0 ? QVariant(MaxLength()) : QVariant();
    case Qt::ImAbsolutePosition:
        return int(caret);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

#include "textboard/TextBoardAccessible.h"

#include "textboard/TextBoardEdit.h"
#include "textboard/rules/BoardText.h"
#include "textboard/rules/WordRule.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

QAccessibleInterface *createFor(const QString &key, QObject *object)
{
    Q_UNUSED(key)
    if (auto *edit = qobject_cast<TextBoardEdit *>(object))
        return new TextBoardAccessible(edit);
    return nullptr;
}

// [start, end) of the piece QTextBoundaryFinder finds around `offset`.
std::pair<int, int> finderBoundary(const QString &text, int offset, QTextBoundaryFinder::BoundaryType type)
{
    QTextBoundaryFinder finder(type, text);
    finder.setPosition(offset);
    const int start = finder.isAtBoundary() ? offset : int(finder.toPreviousBoundary());
    finder.setPosition(offset);
    const int end = int(finder.toNextBoundary());
    return {std::max(0, start), end < 0 ? int(text.size()) : end};
}

} // namespace

TextBoardAccessible::TextBoardAccessible(TextBoardEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

void TextBoardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createFor);
        return true;
    }();
    Q_UNUSED(installed)
}

void TextBoardAccessible::textChanged(TextBoardEdit *edit, int position, const QString &removed,
                                      const QString &inserted)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(edit, position, removed, inserted);
    QAccessible::updateAccessibility(&event);
}

void TextBoardAccessible::selectionChanged(TextBoardEdit *edit)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent cursor(edit, edit->caretPosition());
    QAccessible::updateAccessibility(&cursor);
    QAccessibleTextSelectionEvent selection(edit, edit->SelStart(), edit->SelStart() + edit->SelLength());
    QAccessible::updateAccessibility(&selection);
}

TextBoardEdit *TextBoardAccessible::edit() const
{
    return static_cast<TextBoardEdit *>(widget());
}

void *TextBoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextBoardAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

QString TextBoardAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return edit()->Text();
    return QAccessibleWidget::text(type);
}

void TextBoardAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || edit()->SelLength() == 0)
        return;
    *startOffset = edit()->SelStart();
    *endOffset = edit()->SelStart() + edit()->SelLength();
}

int TextBoardAccessible::selectionCount() const
{
    return edit()->SelLength() > 0 ? 1 : 0;
}

void TextBoardAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextBoardAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->select(edit()->caretPosition(), edit()->caretPosition());
}

void TextBoardAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->select(startOffset, endOffset);
}

int TextBoardAccessible::cursorPosition() const
{
    return edit()->caretPosition();
}

void TextBoardAccessible::setCursorPosition(int position)
{
    edit()->select(position, position);
}

QString TextBoardAccessible::text(int startOffset, int endOffset) const
{
    const QString text = edit()->Text();
    const int start = std::clamp(startOffset, 0, int(text.size()));
    const int end = std::clamp(endOffset < 0 ? int(text.size()) : endOffset, start, int(text.size()));
    return text.mid(start, end - start);
}

std::pair<int, int> TextBoardAccessible::boundaryAt(int offset, QAccessible::TextBoundaryType type) const
{
    const QString text = edit()->Text();
    const int n = int(text.size());
    offset = int(BoardText::validPosition(text, offset));
    switch (type) {
    case QAccessible::CharBoundary:
        return {offset, int(BoardText::nextPosition(text, offset))};
    case QAccessible::WordBoundary: {
        const auto [start, end] = WordRule::wordAt(text, offset);
        return {int(start), int(std::max(end, BoardText::nextPosition(text, start)))};
    }
    case QAccessible::SentenceBoundary:
        return finderBoundary(text, offset, QTextBoundaryFinder::Sentence);
    case QAccessible::LineBoundary: {
        const VisualLines &lines = edit()->textLayout().lines();
        const qsizetype line = lines.lineOf(offset);
        return {int(lines.start(line)), line + 1 < lines.count() ? int(lines.start(line + 1)) : n};
    }
    case QAccessible::ParagraphBoundary: {
        const qsizetype before = offset > 0 ? text.lastIndexOf(QLatin1String("\r\n"), offset - 1) : -1;
        const qsizetype after = text.indexOf(QLatin1String("\r\n"), offset);
        return {before < 0 ? 0 : int(before) + 2, after < 0 ? n : int(after) + 2};
    }
    case QAccessible::NoBoundary:
        break;
    }
    return {0, n};
}

QString TextBoardAccessible::piece(std::pair<int, int> range, int *startOffset, int *endOffset) const
{
    *startOffset = range.first;
    *endOffset = range.second;
    return text(range.first, range.second);
}

QString TextBoardAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                          int *endOffset) const
{
    return piece(boundaryAt(offset, boundaryType), startOffset, endOffset);
}

QString TextBoardAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int *startOffset, int *endOffset) const
{
    const int start = boundaryAt(offset, boundaryType).first;
    if (start <= 0)
        return piece({0, 0}, startOffset, endOffset);
    return piece(boundaryAt(int(BoardText::previousPosition(edit()->Text(), start)), boundaryType), startOffset,
                 endOffset);
}

QString TextBoardAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    const int end = boundaryAt(offset, boundaryType).second;
    const int n = characterCount();
    if (end >= n)
        return piece({n, n}, startOffset, endOffset);
    return piece(boundaryAt(end, boundaryType), startOffset, endOffset);
}

int TextBoardAccessible::characterCount() const
{
    return edit()->length();
}

QRect TextBoardAccessible::characterRect(int offset) const
{
    const QRect inViewport = edit()->characterRect(offset);
    return QRect(edit()->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

int TextBoardAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint inViewport = edit()->viewport()->mapFromGlobal(point);
    if (!edit()->viewport()->rect().contains(inViewport))
        return -1;
    return edit()->positionAt(inViewport);
}

void TextBoardAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->ensureVisible(endIndex);
    edit()->ensureVisible(startIndex);
}

QString TextBoardAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One format over the whole text.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    const QFont font = edit()->font();
    QString attributes = QStringLiteral("font-family:\"%1\";font-size:%2pt;").arg(font.family()).arg(font.pointSizeF());
    if (font.bold())
        attributes += QStringLiteral("font-weight:bold;");
    if (font.italic())
        attributes += QStringLiteral("font-style:italic;");
    return attributes;
}

void TextBoardAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextBoardAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void TextBoardAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->select(startOffset, endOffset);
    edit()->setSelText(text);
}

#include "textboard/TextBoardEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// The document keeps one character per line break; the classic box kept CR LF.
QString toDocumentText(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

// The document's raw text with the box's CR LF breaks. Its plain-text export would turn
// code 0xA0 (the no-break space) into a blank, which a round trip through a file must not.
QString withBoxBreaks(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
}

int boxLength(const QString &documentText)
{
    return int(documentText.size() + documentText.count(QLatin1Char('\n')));
}

} // namespace

TextBoardEdit::TextBoardEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("TextBoard"));
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    connect(this, &QPlainTextEdit::textChanged, this, &TextBoardEdit::Change);
}

QString TextBoardEdit::Text() const
{
    return withBoxBreaks(document()->toRawText());
}

void TextBoardEdit::setText(const QString &text)
{
    // The document keeps its text option (alignment, wrapping) across new text.
    setPlainText(toDocumentText(text));
}

int TextBoardEdit::length() const
{
    return toBoxPosition(document()->characterCount() - 1);
}

int TextBoardEdit::toBoxPosition(int documentPosition) const
{
    const QTextBlock block = document()->findBlock(documentPosition);
    return documentPosition + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int TextBoardEdit::toDocumentPosition(int boxPosition) const
{
    // Each earlier block ends with one break that counts twice in the box.
    int remaining = std::max(0, boxPosition);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int len = block.length() - 1; // without the break
        if (remaining <= len || !block.next().isValid())
            return block.position() + std::min(remaining, len);
        remaining -= len + 2;
        if (remaining < 0)
            return block.position() + len; // inside a CR LF pair: before it
    }
    return 0;
}

int TextBoardEdit::SelStart() const
{
    return toBoxPosition(textCursor().selectionStart());
}

void TextBoardEdit::setSelStart(int start)
{
    QTextCursor c = textCursor();
    c.setPosition(toDocumentPosition(start));
    setTextCursor(c);
}

int TextBoardEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return toBoxPosition(c.selectionEnd()) - toBoxPosition(c.selectionStart());
}

void TextBoardEdit::setSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(toDocumentPosition(toBoxPosition(start) + std::max(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString TextBoardEdit::SelText() const
{
    return withBoxBreaks(textCursor().selectedText());
}

int TextBoardEdit::room() const
{
    if (m_maxLength <= 0)
        return std::numeric_limits<int>::max();
    return m_maxLength - (length() - SelLength());
}

bool TextBoardEdit::setSelText(const QString &text)
{
    const QString doc = toDocumentText(text);
    if (boxLength(doc) > room())
        return false;
    textCursor().insertText(doc);
    return true;
}

void TextBoardEdit::setAlignment(int code)
{
    m_alignment = code;
    Qt::Alignment align = Qt::AlignLeft;
    if (code == 1)
        align = Qt::AlignRight;
    else if (code == 2)
        align = Qt::AlignHCenter;
    QTextOption option = document()->defaultTextOption();
    // A new text option lays out the whole text again: only when it really changes.
    if (option.alignment() == align && option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere)
        return;
    option.setAlignment(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

void TextBoardEdit::keyPressEvent(QKeyEvent *event)
{
    // Typing beyond the maximum length is refused, as the classic box did.
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = QStringLiteral("\r\n");
    const bool inserts = !typed.isEmpty() && (typed.at(0).isPrint() || typed == QLatin1String("\r\n")
                                              || typed == QLatin1String("\t"));
    if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        && int(typed.size()) > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBoardEdit::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    Q_EMIT keyReleased();
}

void TextBoardEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}

void TextBoardEdit::insertFromMimeData(const QMimeData *source)
{
    // Drops and the box's own paste stay within the limit too (cut to the room left).
    if (!source->hasText())
        return;
    QString doc = toDocumentText(source->text());
    const int free = room();
    while (!doc.isEmpty() && boxLength(doc) > free)
        doc.chop(std::max<qsizetype>(1, (boxLength(doc) - free) / 2));
    if (!doc.isEmpty())
        textCursor().insertText(doc);
}

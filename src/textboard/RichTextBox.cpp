#include "textboard/RichTextBox.h"

#include "platform/FileReplace.h"
#include "platform/ReadOnlyFile.h"

#include "textboard/rules/RtfReader.h"
#include "textboard/rules/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

// Whether a character's font is a symbol font travels with the character.
constexpr int kSymbolCharsetProperty = QTextFormat::UserProperty + 1;
constexpr double kMaxPoints = 1638.0;

QTextCharFormat toQt(const RtfCharFormat &f)
{
    QTextCharFormat q;
    q.setFontFamilies(QStringList{f.fontName});
    q.setFontPointSize(f.size);
    q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.italic);
    q.setFontUnderline(f.underline);
    q.setFontStrikeOut(f.strikethrough);
    q.setForeground(QColor(redOf(f.color), greenOf(f.color), blueOf(f.color)));
    q.setProperty(kSymbolCharsetProperty, f.charset == FontCharset::Symbol);
    return q;
}

QString fontNameOf(const QTextCharFormat &q)
{
    return q.fontFamilies().toStringList().value(0);
}

FontCharset charsetOf(const QTextCharFormat &q)
{
    return q.boolProperty(kSymbolCharsetProperty) ? FontCharset::Symbol : FontCharset::Ansi;
}

bool boldOf(const QTextCharFormat &q)
{
    return q.fontWeight() > QFont::Medium;
}

ColorValue colorOf(const QTextCharFormat &q)
{
    const QColor c = q.foreground().color();
    return rgbColor(c.red(), c.green(), c.blue());
}

RtfCharFormat fromQt(const QTextCharFormat &q)
{
    RtfCharFormat f;
    f.fontName = fontNameOf(q);
    f.charset = charsetOf(q);
    f.size = q.fontPointSize();
    f.bold = boldOf(q);
    f.italic = q.fontItalic();
    f.underline = q.fontUnderline();
    f.strikethrough = q.fontStrikeOut();
    f.color = colorOf(q);
    return f;
}

QTextBlockFormat blockFormatFor(RtfAlignment alignment)
{
    QTextBlockFormat b;
    switch (alignment) {
    case RtfAlignment::Right:
        b.setAlignment(Qt::AlignRight);
        break;
    case RtfAlignment::Centre:
        b.setAlignment(Qt::AlignHCenter);
        break;
    case RtfAlignment::Left:
        b.setAlignment(Qt::AlignLeft);
        break;
    }
    return b;
}

RtfAlignment alignmentOf(const QTextBlock &block)
{
    const Qt::Alignment a = block.blockFormat().alignment();
    if (a & Qt::AlignHCenter)
        return RtfAlignment::Centre;
    if (a & Qt::AlignRight)
        return RtfAlignment::Right;
    return RtfAlignment::Left;
}

// QTextDocument turns these into paragraph breaks of its own; inside a line they stand
// in for themselves only in Text(), the document gets a placeholder of the same length.
QString documentLine(QStringView line)
{
    QString out = line.toString();
    for (QChar &ch : out) {
        const char16_t u = ch.unicode();
        if (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1 || u == u'\r' || u == u'\n')
            ch = QChar(QChar::ReplacementCharacter);
    }
    return out;
}

} // namespace

RichTextBox::RichTextBox()
{
    m_document.setUndoRedoEnabled(false);
    RtfCharFormat initial;
    initial.fontName = QGuiApplication::font().family();
    indexText();
    setUniform(Uniform{initial, RtfAlignment::Left});
}

// ---- Text and positions ----------------------------------------------------------------

void RichTextBox::indexText()
{
    m_pairs.clear();
    m_lineStarts.assign(1, 0);
    const qsizetype n = m_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = m_text.at(i);
        if (ch == QLatin1Char('\r') && i + 1 < n && m_text.at(i + 1) == QLatin1Char('\n')) {
            m_pairs.push_back(int(i));
            ++i;
        } else if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n')) {
            continue;
        }
        m_lineStarts.push_back(int(i + 1));
    }
}

int RichTextBox::toDocument(int position) const
{
    // Every CR LF before the position (or around it) is one character fewer.
    const auto before = std::lower_bound(m_pairs.cbegin(), m_pairs.cend(), position) - m_pairs.cbegin();
    return position - int(before);
}

int RichTextBox::lineEnd(std::size_t line) const
{
    if (line + 1 >= m_lineStarts.size())
        return int(m_text.size());
    const int next = m_lineStarts[line + 1];
    const bool pair = next >= 2 && m_text.at(next - 2) == QLatin1Char('\r') && m_text.at(next - 1) == QLatin1Char('\n');
    return next - (pair ? 2 : 1);
}

std::size_t RichTextBox::lineOf(int position) const
{
    return std::size_t(std::upper_bound(m_lineStarts.cbegin() + 1, m_lineStarts.cend(), position) - m_lineStarts.cbegin()) - 1;
}

bool RichTextBox::selectsAll() const
{
    return m_selStart == 0 && m_selLength == int(m_text.size());
}

void RichTextBox::setUniform(const Uniform &uniform)
{
    m_uniform = uniform;
    m_documentBuilt = false;
}

void RichTextBox::ensureDocument() const
{
    if (!m_uniform || m_documentBuilt)
        return;
    QString documentText;
    documentText.reserve(m_text.size());
    for (std::size_t line = 0; line < m_lineStarts.size(); ++line) {
        if (line > 0)
            documentText.append(QLatin1Char('\n'));
        const int start = m_lineStarts[line];
        documentText.append(documentLine(QStringView(m_text).mid(start, lineEnd(line) - start)));
    }

    m_document.clear();
    const QTextCharFormat charFormat = toQt(m_uniform->format);
    QTextCursor cursor(&m_document);
    cursor.setBlockFormat(blockFormatFor(m_uniform->alignment));
    cursor.setBlockCharFormat(charFormat);
    cursor.insertText(documentText, charFormat);
    m_documentBuilt = true;
}

void RichTextBox::leaveUniform()
{
    ensureDocument();
    m_uniform.reset();
}

void RichTextBox::setText(const QString &text)
{
    // The new text takes the format at the start of the old one, as one format.
    if (!m_uniform)
        setUniform(Uniform{fromQt(caretFormat(0)), alignmentOf(m_document.firstBlock())});
    m_text = text;
    indexText();
    m_documentBuilt = false;
    m_selStart = 0;
    m_selLength = 0;
}

void RichTextBox::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, int(m_text.size()));
    m_selLength = 0;
}

void RichTextBox::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, int(m_text.size()) - m_selStart);
}

QTextCursor RichTextBox::selectionCursor() const
{
    QTextCursor cursor(const_cast<QTextDocument *>(&m_document));
    cursor.setPosition(toDocument(m_selStart));
    cursor.setPosition(toDocument(m_selStart + m_selLength), QTextCursor::KeepAnchor);
    return cursor;
}

// ---- RTF -------------------------------------------------------------------------------

RtfDocument RichTextBox::toRtfDocument() const
{
    RtfDocument doc;
    if (m_uniform) {
        for (std::size_t line = 0; line < m_lineStarts.size(); ++line) {
            const int start = m_lineStarts[line];
            RtfParagraph paragraph{m_uniform->alignment, {RtfRun{m_text.mid(start, lineEnd(line) - start), m_uniform->format}}};
            doc.paragraphs.append(std::move(paragraph));
        }
        return doc;
    }
    std::size_t line = 0;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next(), ++line) {
        RtfParagraph paragraph;
        paragraph.alignment = alignmentOf(block);
        const int lineStart = m_lineStarts[line];
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RtfCharFormat format = fromQt(fragment.charFormat());
            // The characters come from Text() itself, not from the document's copy.
            const QString text = m_text.mid(lineStart + fragment.position() - block.position(), fragment.length());
            if (!paragraph.runs.isEmpty() && paragraph.runs.constLast().format == format)
                paragraph.runs.last().text.append(text);
            else
                paragraph.runs.append(RtfRun{text, format});
        }
        if (paragraph.runs.isEmpty())
            paragraph.runs.append(RtfRun{QString(), fromQt(block.charFormat())});
        doc.paragraphs.append(std::move(paragraph));
    }
    return doc;
}

namespace {

// The one character format and alignment of a document that has no other, if it has them.
std::optional<std::pair<RtfCharFormat, RtfAlignment>> uniformFormatOf(const RtfDocument &document)
{
    if (document.paragraphs.isEmpty() || document.paragraphs.constFirst().runs.isEmpty())
        return std::nullopt;
    const RtfCharFormat format = document.paragraphs.constFirst().runs.constFirst().format;
    const RtfAlignment alignment = document.paragraphs.constFirst().alignment;
    for (const RtfParagraph &p : document.paragraphs) {
        if (p.alignment != alignment || p.runs.isEmpty())
            return std::nullopt;
        for (const RtfRun &r : p.runs) {
            if (!(r.format == format))
                return std::nullopt;
        }
    }
    return std::pair{format, alignment};
}

} // namespace

void RichTextBox::loadDocument(const RtfDocument &document)
{
    QStringList lines;
    lines.reserve(document.paragraphs.size());
    for (const RtfParagraph &p : document.paragraphs) {
        QString line;
        for (const RtfRun &r : p.runs)
            line.append(r.text);
        lines.append(line);
    }
    m_text = lines.join(QLatin1String("\r\n"));
    indexText();
    // The reader keeps line breaks out of runs, so lines and paragraphs pair up.
    Q_ASSERT(m_lineStarts.size() == std::size_t(document.paragraphs.size()));

    m_selStart = 0;
    m_selLength = 0;
    // A uniform document (every QUF file) needs no document underneath.
    if (const auto uniform = uniformFormatOf(document)) {
        setUniform(Uniform{uniform->first, uniform->second});
        return;
    }

    m_uniform.reset();
    m_documentBuilt = false;
    m_document.clear();
    QTextCursor cursor(&m_document);
    // One edit for the whole document: the layout and the undo stack see a single change
    // instead of one per paragraph.
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph &p : document.paragraphs) {
        const QTextCharFormat lineFormat = toQt(p.runs.isEmpty() ? RtfCharFormat{} : p.runs.constFirst().format);
        if (first)
            cursor.setBlockFormat(blockFormatFor(p.alignment));
        else
            cursor.insertBlock(blockFormatFor(p.alignment), lineFormat);
        cursor.setBlockCharFormat(lineFormat);
        for (const RtfRun &r : p.runs)
            cursor.insertText(documentLine(r.text), toQt(r.format));
        first = false;
    }
    cursor.endEditBlock();
}

QByteArray RichTextBox::TextRTF() const
{
    return writeRtf(toRtfDocument());
}

bool RichTextBox::setTextRTF(QByteArrayView rtf)
{
    const RtfReadResult result = readRtf(rtf);
    if (!result) {
        m_error = rtfErrorText(result.error());
        return false;
    }
    loadDocument(result.value());
    return true;
}

// ---- Format of the selection -------------------------------------------------------------

QTextCharFormat RichTextBox::caretFormat(int documentPosition) const
{
    const QTextBlock block = m_document.findBlock(documentPosition);
    if (block.length() <= 1)
        return block.charFormat();
    // The character after the caret at the start of a line, else the one before it.
    const int character = documentPosition == block.position() ? documentPosition : documentPosition - 1;
    QTextCursor cursor(const_cast<QTextDocument *>(&m_document));
    cursor.setPosition(character + 1);
    return cursor.charFormat();
}

template <typename T, typename Read>
std::optional<T> RichTextBox::uniformChar(Read read) const
{
    if (m_uniform)
        return read(toQt(m_uniform->format));
    const int from = toDocument(m_selStart);
    const int to = toDocument(m_selStart + m_selLength);
    if (from == to)
        return read(caretFormat(from));
    std::optional<T> value;
    // Fragments that share a format share its index: read each format once, not once per
    // fragment, which keeps a full, uniform TextBoard quick to test.
    int lastFormat = -1;
    for (QTextBlock block = m_document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() >= to)
                break;
            if (fragment.position() + fragment.length() <= from)
                continue;
            if (fragment.charFormatIndex() == lastFormat)
                continue;
            lastFormat = fragment.charFormatIndex();
            const T v = read(fragment.charFormat());
            if (value && *value != v)
                return std::nullopt;
            value = v;
        }
    }
    // Only line breaks selected: the format at the selection's start.
    if (!value)
        value = read(caretFormat(from));
    return value;
}

void RichTextBox::mergeSelection(const QTextCharFormat &change)
{
    if (m_uniform) {
        QTextCharFormat merged = toQt(m_uniform->format);
        merged.merge(change);
        const RtfCharFormat format = fromQt(merged);
        if (format == m_uniform->format)
            return;
        if (selectsAll()) {
            setUniform(Uniform{format, m_uniform->alignment});
            return;
        }
        leaveUniform();
    }
    QTextCursor cursor = selectionCursor();
    if (selectsAll()) {
        cursor.mergeCharFormat(change);
        // Empty lines keep a format of their own, which a selection does not reach at the
        // start of the text or after its last break.
        for (QTextBlock b = m_document.begin(); b.isValid(); b = b.next())
            QTextCursor(b).mergeBlockCharFormat(change);
    } else if (cursor.hasSelection()) {
        cursor.mergeCharFormat(change);
    } else if (cursor.block().length() <= 1) {
        cursor.mergeBlockCharFormat(change);
    }
}

std::optional<QString> RichTextBox::SelFontName() const
{
    return uniformChar<QString>(fontNameOf);
}

void RichTextBox::setSelFontName(const QString &name)
{
    QTextCharFormat change;
    change.setFontFamilies(QStringList{name});
    mergeSelection(change);
}

std::optional<FontCharset> RichTextBox::SelCharset() const
{
    return uniformChar<FontCharset>(charsetOf);
}

void RichTextBox::setSelCharset(FontCharset charset)
{
    QTextCharFormat change;
    change.setProperty(kSymbolCharsetProperty, charset == FontCharset::Symbol);
    mergeSelection(change);
}

std::optional<double> RichTextBox::SelFontSize() const
{
    return uniformChar<double>([](const QTextCharFormat &q) { return q.fontPointSize(); });
}

void RichTextBox::setSelFontSize(double points)
{
    if (!(points > 0.0 && points <= kMaxPoints))
        return;
    QTextCharFormat change;
    change.setFontPointSize(points);
    mergeSelection(change);
}

std::optional<bool> RichTextBox::SelBold() const
{
    return uniformChar<bool>(boldOf);
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat change;
    change.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelection(change);
}

std::optional<bool> RichTextBox::SelItalic() const
{
    return uniformChar<bool>([](const QTextCharFormat &q) { return q.fontItalic(); });
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat change;
    change.setFontItalic(on);
    mergeSelection(change);
}

std::optional<bool> RichTextBox::SelUnderline() const
{
    return uniformChar<bool>([](const QTextCharFormat &q) { return q.fontUnderline(); });
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat change;
    change.setFontUnderline(on);
    mergeSelection(change);
}

std::optional<bool> RichTextBox::SelStrikeThru() const
{
    return uniformChar<bool>([](const QTextCharFormat &q) { return q.fontStrikeOut(); });
}

void RichTextBox::setSelStrikeThru(bool on)
{
    QTextCharFormat change;
    change.setFontStrikeOut(on);
    mergeSelection(change);
}

std::optional<ColorValue> RichTextBox::SelColor() const
{
    return uniformChar<ColorValue>(colorOf);
}

void RichTextBox::setSelColor(ColorValue color)
{
    QTextCharFormat change;
    change.setForeground(QColor(redOf(color), greenOf(color), blueOf(color)));
    mergeSelection(change);
}

std::optional<int> RichTextBox::SelAlignment() const
{
    if (m_uniform)
        return int(m_uniform->alignment);
    const QTextCursor cursor = selectionCursor();
    const QTextBlock first = m_document.findBlock(cursor.selectionStart());
    // A selection that ends just after a line break does not reach into the next line.
    const QTextBlock last = m_document.findBlock(std::max(cursor.selectionStart(), cursor.selectionEnd() - 1));
    const RtfAlignment alignment = alignmentOf(first);
    for (QTextBlock b = first.next(); b.isValid() && b.blockNumber() <= last.blockNumber(); b = b.next()) {
        if (alignmentOf(b) != alignment)
            return std::nullopt;
    }
    return int(alignment);
}

void RichTextBox::setSelAlignment(int code)
{
    if (code < 0 || code > 2)
        return;
    // The lines the selection touches; a selection of everything touches every line.
    const std::size_t firstLine = lineOf(m_selStart);
    const std::size_t lastLine =
        selectsAll() ? m_lineStarts.size() - 1 : lineOf(std::max(m_selStart, m_selStart + m_selLength - 1));
    if (m_uniform) {
        if (RtfAlignment(code) == m_uniform->alignment)
            return;
        if (firstLine == 0 && lastLine + 1 == m_lineStarts.size()) {
            setUniform(Uniform{m_uniform->format, RtfAlignment(code)});
            return;
        }
        leaveUniform();
    }
    const QTextBlockFormat format = blockFormatFor(RtfAlignment(code));
    const QTextBlock first = m_document.findBlockByNumber(int(firstLine));
    const QTextBlock last = m_document.findBlockByNumber(int(lastLine));
    for (QTextBlock b = first; b.isValid() && b.blockNumber() <= last.blockNumber(); b = b.next())
        QTextCursor(b).mergeBlockFormat(format);
}

// ---- Files -------------------------------------------------------------------------------

bool RichTextBox::LoadFile(const QString &path, FileKind kind, FontCharset charset)
{
    // One byte more than an RTF file may have, so the reader can tell it is too long.
    const qint64 limit = kind == FileKind::Rtf ? RtfLimits::kMaxInputBytes + 1 : kMaxPlainTextBytes;
    const std::optional<QByteArray> bytes = readRegularFile(path, limit, &m_error);
    if (!bytes)
        return false;
    if (kind == FileKind::Rtf)
        return setTextRTF(*bytes);
    setText(decodeText(*bytes, charset));
    return true;
}

bool RichTextBox::SaveFile(const QString &path, FileKind kind, FontCharset charset)
{
    const QByteArray bytes = kind == FileKind::Rtf ? TextRTF() : encodeText(m_text, charset);
    // Unbuffered, so that a short write (a full disk) fails the save instead of leaving a cut
    // file in place of the old one.
    return replaceFileContents(path, bytes, &m_error);
}

// ---- Find --------------------------------------------------------------------------------

bool RichTextBox::isWordChar(qsizetype position) const
{
    if (position < 0 || position >= m_text.size())
        return false;
    QChar ch = m_text.at(position);
    // A symbol font's characters keep the word rule of their codes.
    if (const auto code = codeForChar(ch, FontCharset::Symbol); code && ch.unicode() >= 0xF000)
        ch = charForCode(*code, FontCharset::Ansi);
    return ch.isLetterOrNumber();
}

int RichTextBox::Find(const QString &string, int start, std::optional<int> end, int options)
{
    if (string.isEmpty())
        return -1;
    const qsizetype length = m_text.size();
    const qsizetype from = std::clamp<qsizetype>(start, 0, length);
    const qsizetype to = end ? std::clamp<qsizetype>(*end, 0, length) : length;
    const Qt::CaseSensitivity cs = (options & FindMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype n = string.size();
    for (qsizetype hit = m_text.indexOf(string, from, cs); hit >= 0 && hit + n <= to;
         hit = m_text.indexOf(string, hit + 1, cs)) {
        if ((options & FindWholeWord) && (isWordChar(hit - 1) || isWordChar(hit + n)))
            continue;
        setSelStart(int(hit));
        setSelLength(int(n));
        return int(hit);
    }
    return -1;
}

// ---- Printing ----------------------------------------------------------------------------

bool RichTextBox::SelPrint(QPrinter &printer) const
{
    ensureDocument();
    QTextCursor cursor = selectionCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::Document);
    QTextDocument page;
    page.setUndoRedoEnabled(false);
    // Laid out for the printer's own page: a document without a page size would be
    // printed with page numbers added.
    page.documentLayout()->setPaintDevice(&printer);
    page.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    QTextCursor(&page).insertFragment(QTextDocumentFragment(cursor));
    // A selection that starts inside a line does not bring that line's alignment along.
    QTextBlock source = m_document.findBlock(cursor.selectionStart());
    for (QTextBlock b = page.begin(); b.isValid() && source.isValid(); b = b.next(), source = source.next())
        QTextCursor(b).setBlockFormat(source.blockFormat());
    page.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

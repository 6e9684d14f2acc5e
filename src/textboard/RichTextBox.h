#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/Charset.h"
#include "textboard/rules/RtfDocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTextDocument>

#include <optional>
#include <vector>

class QPrinter;
class QTextBlock;
class QTextCharFormat;
class QTextCursor;

// The TextBoard's hidden rich-text twin (TextBoardRTF): text with a character format per
// character and an alignment per line, over a QTextDocument that is never shown. Callers
// copy the TextBoard's text and format in, then save, search, copy or print it, or load a
// file into it and take the text and format out.
//
// Positions count the characters of Text(), the way the TextBoard counts its own: a CR LF
// line break is two characters (a caret may even sit between them), a lone CR or LF is
// one. Text() is always exactly the text last set; a loaded RTF file's lines are joined
// with CR LF. The document underneath holds one paragraph break per line break and maps
// positions on the way in.
//
// A format property reads as empty (nullopt) when it is not the same over every character
// of the selection. With an empty selection it reads the format at the caret (the
// character after it at the start of a line, else the one before; an empty line's own
// format); a setter then changes only the format of an empty line, as the twin takes no
// typing. A setter over the whole text gives every line its format, empty ones too.
//
// As long as one format and one alignment hold for all of the text (a copy of the
// TextBoard, every *.QUF file), the twin keeps just those two beside the text: setting
// text, loading, reading the format, saving and finding then cost what the text costs.
// The document underneath is built from them when a part of the text is given a format of
// its own, or for printing.
class RichTextBox final
{
    Q_DISABLE_COPY_MOVE(RichTextBox)

public:
    enum class FileKind { PlainText, Rtf };
    // Find options; combine them (6 is both), 0 is none.
    enum FindOption { FindWholeWord = 2, FindMatchCase = 4 };

    // The largest plain text file LoadFile reads; a longer one loads its first part (the
    // TextBoard takes no more than 61,440 characters anyway). RTF files are bounded by
    // RtfLimits::kMaxInputBytes and refused beyond it.
    static constexpr qint64 kMaxPlainTextBytes = 1024 * 1024;

    RichTextBox();

    // Setting the text selects nothing (caret at 0); the new text takes the format and
    // alignment of the old text's start.
    QString Text() const { return m_text; }
    void setText(const QString &text);

    // The content as RTF (the writer in textboard/rules), for *.QUF files and the clipboard.
    QByteArray TextRTF() const;
    // Replaces the content with an RTF document; false (and nothing changed) when it
    // cannot be read.
    bool setTextRTF(QByteArrayView rtf);

    int SelStart() const { return m_selStart; }
    void setSelStart(int start);    // also empties the selection; clamped to the text
    int SelLength() const { return m_selLength; }
    void setSelLength(int length);  // clamped to the end of the text

    std::optional<QString> SelFontName() const;
    void setSelFontName(const QString &name);
    // Whether the selection's font is a symbol font, which the RTF file records with the
    // font and which decides how its characters are written (see Charset.h). The caller
    // sets it with the font name.
    std::optional<FontCharset> SelCharset() const;
    void setSelCharset(FontCharset charset);
    std::optional<double> SelFontSize() const;  // points
    void setSelFontSize(double points);         // ignored unless 0 < points <= 1638
    std::optional<bool> SelBold() const;
    void setSelBold(bool on);
    std::optional<bool> SelItalic() const;
    void setSelItalic(bool on);
    std::optional<bool> SelUnderline() const;
    void setSelUnderline(bool on);
    std::optional<bool> SelStrikeThru() const;
    void setSelStrikeThru(bool on);
    std::optional<ColorValue> SelColor() const;  // 0x00BBGGRR
    void setSelColor(ColorValue color);          // an RGB colour; the top byte is ignored
    // 0 left, 1 right, 2 centre, over the lines the selection touches.
    std::optional<int> SelAlignment() const;
    void setSelAlignment(int code);              // other codes are ignored

    // Plain text files are 8-bit text in `charset` (see Charset.h), line breaks as they
    // are; RTF files go through our reader and writer. Both report failure (errorString())
    // and leave the twin as it was. Loading refuses a FIFO, a device or a folder without
    // waiting on it. Saving writes a temporary file beside the target and renames it over the
    // target only when everything was written.
    bool LoadFile(const QString &path, FileKind kind, FontCharset charset = FontCharset::Ansi);
    bool SaveFile(const QString &path, FileKind kind, FontCharset charset = FontCharset::Ansi);
    QString errorString() const { return m_error; }

    // The position of the first occurrence of `string` that starts at or after `start` and,
    // when `end` is given, ends at or before it; -1 when there is none (or the string is
    // empty). A hit becomes the selection. Without FindMatchCase case is ignored; with
    // FindWholeWord a hit must not touch a letter or digit on either side.
    int Find(const QString &string, int start, std::optional<int> end = std::nullopt, int options = 0);

    // Prints the selection with its format, or everything when nothing is selected;
    // false when the printer reported an error.
    bool SelPrint(QPrinter &printer) const;

private:
    // The one format and alignment of a text that has no other.
    struct Uniform
    {
        RtfCharFormat format;
        RtfAlignment alignment = RtfAlignment::Left;
    };

    void indexText();  // m_pairs and m_lineStarts from m_text
    int lineEnd(std::size_t line) const;  // where the line's break (or the text) begins
    std::size_t lineOf(int position) const;
    bool selectsAll() const;
    // The document as the text and the uniform format make it (built once for them).
    void ensureDocument() const;
    // From here on the document holds the format: a part is about to get its own.
    void leaveUniform();
    void setUniform(const Uniform &uniform);
    void loadDocument(const RtfDocument &document);
    RtfDocument toRtfDocument() const;

    int toDocument(int position) const;
    QTextCursor selectionCursor() const;
    QTextCharFormat caretFormat(int documentPosition) const;
    template <typename T, typename Read>
    std::optional<T> uniformChar(Read read) const;
    void mergeSelection(const QTextCharFormat &change);
    bool isWordChar(qsizetype position) const;

    QString m_text;
    std::vector<int> m_pairs;       // positions of the CR of each CR LF in m_text
    std::vector<int> m_lineStarts;  // where each line (document block) starts in m_text
    std::optional<Uniform> m_uniform;  // set: the whole text's format; else m_document's
    mutable QTextDocument m_document;
    mutable bool m_documentBuilt = false;  // m_document shows m_text in m_uniform
    int m_selStart = 0;
    int m_selLength = 0;
    QString m_error;
};

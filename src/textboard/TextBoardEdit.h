#pragma once

#include <QPlainTextEdit>

// The TextBoard's text box. It speaks the classic text box's language: the text uses
// CR LF line breaks, positions and lengths count each break as two characters, and the
// box refuses input beyond its maximum length.
class TextBoardEdit final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardEdit)

public:
    explicit TextBoardEdit(QWidget *parent = nullptr);

    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }

    QString Text() const;
    void setText(const QString &text);
    int length() const;                 // characters, a line break counting two

    int SelStart() const;
    void setSelStart(int start);        // also clears the selection
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret), within the maximum length;
    // false when nothing could be inserted because the box is full.
    bool setSelText(const QString &text);

    // The alignment codes of the classic box: 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void setAlignment(int code);

Q_SIGNALS:
    // The text changed, by typing, a paste, a load or code (the box's Change event).
    void Change();
    void keyReleased();
    void mouseReleased();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Conversions between the box's positions (CR LF = 2) and the document's (break = 1).
    int toBoxPosition(int documentPosition) const;
    int toDocumentPosition(int boxPosition) const;
    int room() const;  // characters that may still be added in place of the selection

    int m_maxLength = 0;  // 0: no limit
    int m_alignment = 0;
};

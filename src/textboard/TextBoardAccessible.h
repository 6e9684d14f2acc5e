#pragma once

#include <QAccessibleWidget>

class TextBoardEdit;

// What assistive technology sees of the TextBoard: an editable, multi-line text with its
// caret, selection, characters' places and boundaries (characters, words, sentences, the
// lines as shown and the lines between breaks), which it can also edit within the limit.
class TextBoardAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface
{
public:
    explicit TextBoardAccessible(TextBoardEdit *edit);

    // Makes Qt's accessibility use this class for every TextBoardEdit (once is enough).
    static void install();
    // The notifications the box sends while accessibility is active.
    static void textChanged(TextBoardEdit *edit, int position, const QString &removed, const QString &inserted);
    static void selectionChanged(TextBoardEdit *edit);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    TextBoardEdit *edit() const;
    // The piece of the given kind that holds `offset`, as [start, end).
    std::pair<int, int> boundaryAt(int offset, QAccessible::TextBoundaryType type) const;
    QString piece(std::pair<int, int> range, int *startOffset, int *endOffset) const;
};

#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QRectF>

class QFrame;
class QLabel;
class QPushButton;
class TextBoardEdit;

// How the TextBoard shows its text: one format for the whole text.
struct TextBoardLook
{
    QFont font;          // family, size and styles
    QColor color;
    int alignment = 0;   // 0 left, 1 right, 2 centre
};

// The full-screen preview: the TextBoard's whole text in its format, read-only, on a modal
// window that covers the desktop's work area. The caret comes in and goes back through
// globals().gTBCaret: Close hands back the preview's caret, Esc leaves it as it came.
class TBPreview final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBPreview)

public:
    explicit TBPreview(QWidget *parent = nullptr);

    // Fills the preview with `text` (CR LF line breaks) in `look`, with the caret at
    // gTBCaret, covers `workArea` (twips) and shows it modal; returns when it closes.
    void ShowFullScreen(const QRectF &workArea, const QString &text, const TextBoardLook &look);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void CloseButton_Click();
    // Places the controls in the window's own coordinates, from its current size.
    void layOut();

    QLabel *m_heading = nullptr;
    QPushButton *m_closeButton = nullptr;
    QFrame *m_holder = nullptr;
    TextBoardEdit *m_previewTB = nullptr;
};

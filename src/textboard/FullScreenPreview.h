#pragma once

#include <QFont>
#include <QObject>

class DisplayService;
class TextBoardEdit;
class TextBoardFont;
class QWidget;

// Tools > View TextBoard Full Screen and the "FullScreen" button: the TextBoard's text in its
// format on the full-screen preview. The TextBoard's caret goes to the preview and comes back
// where the preview left it (Close) or where it was (Esc), always within the text.
class FullScreenPreview final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FullScreenPreview)

public:
    // `format` gives the colour and the alignment; the styled font comes through
    // followBoardFont; the preview covers `display`'s work area, owned by `window`.
    FullScreenPreview(TextBoardEdit &textBoard, const TextBoardFont &format, DisplayService &display,
                      QWidget *window, QObject *parent = nullptr);

    // The TextBoard's font, styles included, as it changes.
    void followBoardFont(const QFont &board);

    void ToolsFS_Click();

private:
    TextBoardEdit &m_textBoard;
    const TextBoardFont &m_format;
    DisplayService &m_display;
    QWidget *m_window = nullptr;
    QFont m_boardFont;
};

#pragma once

#include "platform/Services.h"

#include <QObject>

#include <optional>

class ActionCollection;
class FontChoice;
class FontMapColors;
class QWidget;
class TextBoardFont;
class TextBoardFormat;

// The main window's Tools commands that open the keyboard viewer (Tools > View Keyboard Layout,
// the "KB" button) and the font browser (Tools > Browse Fonts, the "FB" button), each modal. A
// font the user sets in either becomes the TextBoard's font; whatever happened, the main window
// then selects the TextBoard's font in its font box and applies it.
class ToolWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolWindows)

public:
    ToolWindows(ActionCollection &commands, const Services &services, TextBoardFont &font, FontChoice &choice,
                TextBoardFormat &format, const FontMapColors &schemeColors, QWidget *window);

    void ToolsKB_Click();
    void ToolsFB_Click();

private:
    void takeFont(const std::optional<QString> &chosen);

    Services m_services;
    TextBoardFont &m_font;
    FontChoice &m_choice;
    TextBoardFormat &m_format;
    const FontMapColors &m_schemeColors;
    QWidget *m_window;
};

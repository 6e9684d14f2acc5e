#pragma once

#include <QObject>


class ActionCollection;
class CoolBar;
class FontMapColors;
class QWidget;
class TextBoardFont;
class TextBoardFormat;

// The TextBoard's text colour command (Format > TextBoard > Font Color and the "Color" button
// of the format toolbar): the colour picker, shown with the current colour, and its answer
// applied to the TextBoard.
class TextColorCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextColorCommand)

public:
    // The picker is shown over `owner`.
    TextColorCommand(ActionCollection &commands, TextBoardFont &font, TextBoardFormat &format, CoolBar *coolBarTB,
                     const FontMapColors &schemeColors, QWidget *owner, QObject *parent = nullptr);

    void ChooseTBColor();

private:
    TextBoardFont &m_font;
    TextBoardFormat &m_format;
    CoolBar *m_coolBarTB;
    const FontMapColors &m_schemeColors;
    QWidget *m_owner;
};

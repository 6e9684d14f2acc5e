#pragma once

#include <QDialog>

#include <optional>

class ColorGrid;
class FontMapColors;
class QLabel;
class QPushButton;

// `TBColorPicker`: the 16 colours the TextBoard's text may take, one of which the user picks.
// Created for one showing: it reads globals().gColorIndex (the current colour, 0..15) and
// gColorValue when it is made, and only OK writes gColorIndex and gColorName (the cell's own
// name: "Gray" for colour 8, where the rest of the program says "Grey"). Cancel, Esc and the
// close box write nothing.
class TBColorPicker final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBColorPicker)

public:
    // While the colour scheme is on, the container takes the back colour of `schemeColors`, the
    // main window's FontMap colours.
    explicit TBColorPicker(const FontMapColors &schemeColors, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load(const FontMapColors &schemeColors);
    void SetupToolTips();
    void showSelection(int cell);
    void Button1_Click();
    void Button2_Click();

    ColorGrid *m_container = nullptr;         // ColorContainer
    QLabel *m_currentColorBlock = nullptr;
    QLabel *m_currentColorLabel = nullptr;
    QLabel *m_colorLabel = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

// The caller's side of the exchange: shows the picker over `owner` with QB colour `current`
// (0..15) handed in, and gives the index picked when it is another one, else nothing.
std::optional<int> pickTextColor(int current, const FontMapColors &schemeColors, QWidget *owner);

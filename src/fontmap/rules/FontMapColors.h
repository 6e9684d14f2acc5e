#pragma once

#include "core/ColorValue.h"

#include <QObject>
#include <QString>

// The FontMap's two colours with where they were chosen (palette tab 0 preset, 1 system,
// 2 custom; the cell on that tab; the colour's name), and its highlight and grid switches.
// The grid, the Zoom view, the credit line and the message box show them.
class FontMapColors final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapColors)

public:
    struct Choice
    {
        ColorValue color = kWindowText;
        int paletteRef = 1;
        int index = 8;
        QString name;

        friend bool operator==(const Choice &, const Choice &) = default;
    };

    explicit FontMapColors(QObject *parent = nullptr);

    const Choice &fore() const { return m_fore; }
    const Choice &back() const { return m_back; }
    void setFore(const Choice &choice);
    void setBack(const Choice &choice);
    // Both at once: one colorsChanged for a change of both.
    void setColors(const Choice &fore, const Choice &back);

    bool hilite() const { return m_hilite; }
    void setHilite(bool on);
    bool borders() const { return m_borders; }
    void setBorders(bool on);

Q_SIGNALS:
    void colorsChanged();
    void hiliteChanged(bool on);
    void bordersChanged(bool on);

private:
    Choice m_fore;
    Choice m_back;
    bool m_hilite = false;
    bool m_borders = true;
};

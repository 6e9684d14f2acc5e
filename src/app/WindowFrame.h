#pragma once

#include <QSizeF>

// What the layout and the FontMap's sizing need of the main window: its outer size in twips,
// as a classic window counted it (caption, menu bar and borders included), whether it is
// maximised, and a way to size it, after which its resize handler has run.
class WindowFrame
{
public:
    virtual double formWidth() const = 0;
    virtual double formHeight() const = 0;
    virtual bool maximized() const = 0;
    // Sizes the window; the resize handler runs once when the size changed, whether or not the
    // window is shown. True when it ran.
    virtual bool setFormSize(const QSizeF &twips) = 0;

protected:
    ~WindowFrame() = default;
};

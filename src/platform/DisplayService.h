#pragma once

#include <QObject>
#include <QRectF>

// The screen as the layout rules see it: its width in physical pixels, the twips per
// pixel (15 at 96 dots per inch, 12 at a scale of 1.25), and the desktop work area.
class DisplayService : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Horizontal resolution of the current display mode, in physical pixels.
    virtual int screenWidth() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // The desktop area not covered by panels, in twips.
    virtual QRectF workArea() const = 0;

Q_SIGNALS:
    // The display settings changed (resolution, scale, the primary screen).
    void displayChanged();
};

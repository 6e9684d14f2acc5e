#pragma once

#include <QObject>
#include <QRectF>

// The screen as the layout rules see it: its width in pixels, the twips per pixel and the
// desktop work area. The program's pixel is Qt's device-independent pixel at every scale, so
// a 2560-pixel screen at scale 2 is 1280 pixels wide and a pixel is 15 twips.
class DisplayService : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Width of the screen, in (device-independent) pixels.
    virtual int screenWidth() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // The desktop area not covered by panels, in twips.
    virtual QRectF workArea() const = 0;

Q_SIGNALS:
    // The display settings changed (resolution, scale, the primary screen).
    void displayChanged();
};

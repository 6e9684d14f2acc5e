#pragma once

#include "platform/DisplayService.h"

// A screen a test can set and change.
class FakeDisplay final : public DisplayService
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeDisplay)

public:
    explicit FakeDisplay(int width = 1024, int height = 768, double twipsPerPixel = 15,
                         QObject *parent = nullptr);

    int screenWidth() const override { return m_width; }
    double twipsPerPixelX() const override { return m_twips; }
    int twipsPerPixelY() const override { return int(m_twips); }
    QRectF workArea() const override { return m_workArea; }

    // Changes the screen and raises displayChanged().
    void setScreen(int width, int height, double twipsPerPixel = 15);
    void setWorkArea(const QRectF &twips) { m_workArea = twips; }

private:
    int m_width = 1024;
    double m_twips = 15;
    QRectF m_workArea;
};

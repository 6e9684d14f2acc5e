#include "platform/fakes/FakeDisplay.h"

FakeDisplay::FakeDisplay(int width, int height, double twipsPerPixel, QObject *parent)
    : DisplayService(parent)
    , m_width(width)
    , m_twips(twipsPerPixel)
    , m_workArea(0, 0, width * twipsPerPixel, height * twipsPerPixel)
{
}

void FakeDisplay::setScreen(int width, int height, double twipsPerPixel)
{
    m_width = width;
    m_twips = twipsPerPixel;
    m_workArea = QRectF(0, 0, width * twipsPerPixel, height * twipsPerPixel);
    Q_EMIT displayChanged();
}

#include "widgets/CoolBar.h"

#include "widgets/Twips.h"

#include <QResizeEvent>

CoolBar::CoolBar(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
}

int CoolBar::addBand(QWidget *child, double widthTwips)
{
    child->setParent(this);
    m_bands.append(Band{child, widthTwips, true, false});
    layoutBands();
    return int(m_bands.size());
}

void CoolBar::setBandWidth(int band, double widthTwips)
{
    m_bands[band - 1].width = widthTwips;
    layoutBands();
}

void CoolBar::setBandVisible(int band, bool visible)
{
    m_bands[band - 1].visible = visible;
    layoutBands();
}

void CoolBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutBands();
    if (event->oldSize().height() >= 0 && event->oldSize().height() != event->size().height())
        Q_EMIT heightChanged(event->size().height() * Twips::kPerQtUnit);
}

void CoolBar::layoutBands()
{
    // Bands sit in order from the left edge, each at its own width; a hidden band takes no room.
    double left = 0;
    for (const Band &band : std::as_const(m_bands)) {
        band.child->setVisible(band.visible);
        if (!band.visible)
            continue;
        const int x = Twips::toQt(left);
        const int w = Twips::toQt(left + band.width) - x;
        band.child->setGeometry(x + 1, 1, std::max(0, w - 2), std::max(0, height() - 2));
        left += band.width;
    }
}

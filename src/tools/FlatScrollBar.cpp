#include "tools/FlatScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

FlatScrollBar::FlatScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

void FlatScrollBar::setArrows(int arrows)
{
    if (arrows == m_arrows)
        return;
    m_arrows = arrows;
    update();
}

bool FlatScrollBar::isArrowDisabled(QStyle::SubControl arrow) const
{
    return (arrow == QStyle::SC_ScrollBarSubLine && m_arrows == 2)
           || (arrow == QStyle::SC_ScrollBarAddLine && m_arrows == 1);
}

void FlatScrollBar::mousePressEvent(QMouseEvent *event)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl hit =
        style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, event->position().toPoint(), this);
    if (isArrowDisabled(hit)) {
        event->accept();
        return;
    }
    QScrollBar::mousePressEvent(event);
}

void FlatScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (m_arrows == 0)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl arrow = m_arrows == 1 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
    const QRect r = style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, this);
    QPainter painter(this);
    QColor veil = palette().color(QPalette::Window);
    veil.setAlphaF(0.6f);
    painter.fillRect(r, veil);
}

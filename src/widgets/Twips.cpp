#include "widgets/Twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

constexpr char kProperty[] = "quorvilTwips";

} // namespace

namespace Twips {

int toQt(double twips)
{
    return int(std::lround(twips / kPerQtUnit));
}

void place(QWidget *widget, const QRectF &twips)
{
    widget->setProperty(kProperty, twips);
    const int x = toQt(twips.left());
    const int y = toQt(twips.top());
    widget->setGeometry(x, y, std::max(0, toQt(twips.left() + twips.width()) - x),
                        std::max(0, toQt(twips.top() + twips.height()) - y));
}

QRectF rect(const QWidget *widget)
{
    const QVariant stored = widget->property(kProperty);
    if (stored.isValid())
        return stored.toRectF();
    const QRect g = widget->geometry();
    return QRectF(g.x() * kPerQtUnit, g.y() * kPerQtUnit, g.width() * kPerQtUnit, g.height() * kPerQtUnit);
}

double left(const QWidget *widget) { return rect(widget).left(); }
double top(const QWidget *widget) { return rect(widget).top(); }
double width(const QWidget *widget) { return rect(widget).width(); }
double height(const QWidget *widget) { return rect(widget).height(); }

void setLeft(QWidget *widget, double value)
{
    QRectF r = rect(widget);
    r.moveLeft(value);
    place(widget, r);
}

void setTop(QWidget *widget, double value)
{
    QRectF r = rect(widget);
    r.moveTop(value);
    place(widget, r);
}

void setWidth(QWidget *widget, double value)
{
    QRectF r = rect(widget);
    r.setWidth(value);
    place(widget, r);
}

void setHeight(QWidget *widget, double value)
{
    QRectF r = rect(widget);
    r.setHeight(value);
    place(widget, r);
}

} // namespace Twips

#pragma once

#include <QRectF>

class QWidget;

// Placement in twips, the unit every layout rule works in. Each placed control keeps
// its exact Left/Top/Width/Height in twips; the widget shows them in Qt coordinates
// (1/96 inch, so twips / 15 whatever the screen scale), rounded edge by edge so that
// neighbours that share an edge in twips share it on screen too.
namespace Twips {

inline constexpr double kPerQtUnit = 15.0;

void place(QWidget *widget, const QRectF &twips);
QRectF rect(const QWidget *widget);

double left(const QWidget *widget);
double top(const QWidget *widget);
double width(const QWidget *widget);
double height(const QWidget *widget);
void setLeft(QWidget *widget, double value);
void setTop(QWidget *widget, double value);
void setWidth(QWidget *widget, double value);
void setHeight(QWidget *widget, double value);

int toQt(double twips);

} // namespace Twips

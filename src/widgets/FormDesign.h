#pragma once

#include "widgets/Twips.h"

#include <QRectF>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

// Building a window's controls at their designed places. A design is drawn in pixels of
// 15 twips; the controls keep their places in twips (see Twips).
namespace FormDesign {

constexpr double px(double pixels)
{
    return pixels * Twips::kPerQtUnit;
}

inline QRectF design(double x, double y, double w, double h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

// A control of type W named `name`, placed at `twips` unless that is null.
template<typename W>
W *make(QWidget *parent, const char *name, const QRectF &twips = {})
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (!twips.isNull())
        Twips::place(w, twips);
    return w;
}

// A label of plain text.
QLabel *label(QWidget *parent, const char *name, const QString &text, const QRectF &twips,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
QSlider *slider(QWidget *parent, const char *name, const QRectF &twips, int min, int max, int large);
// A frameless edit, hidden until it is shown over the number label it edits.
QLineEdit *inlineEdit(QWidget *parent, const char *name, const QRectF &twips);

} // namespace FormDesign

#include "widgets/FormDesign.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace FormDesign {

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRectF &twips, Qt::Alignment align)
{
    auto *l = make<QLabel>(parent, name, twips);
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(align);
    return l;
}

QSlider *slider(QWidget *parent, const char *name, const QRectF &twips, int min, int max, int large)
{
    auto *s = make<QSlider>(parent, name, twips);
    s->setOrientation(Qt::Horizontal);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(large);
    return s;
}

QLineEdit *inlineEdit(QWidget *parent, const char *name, const QRectF &twips)
{
    auto *e = make<QLineEdit>(parent, name, twips);
    e->hide();
    e->setFrame(false);
    return e;
}

} // namespace FormDesign

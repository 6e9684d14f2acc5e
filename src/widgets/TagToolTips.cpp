#include "widgets/TagToolTips.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char kTag[] = "Tag";

} // namespace

void setTag(QWidget *widget, const QString &tag)
{
    widget->setProperty(kTag, tag);
}

QString tag(const QWidget *widget)
{
    return widget->property(kTag).toString();
}

void showTagToolTips(const QList<QWidget *> &widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setToolTip(on ? tag(w) : QString());
}

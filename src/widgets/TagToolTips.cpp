#include "widgets/TagToolTips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kTag[] = "Tag";

// Buttons and labels are read by their captions, a combo box by its current item.
bool showsOwnText(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLabel *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QGroupBox *>(widget);
}

} // namespace

void setTag(QWidget *widget, const QString &tag)
{
    widget->setProperty(kTag, tag);
    // Unlike the tooltip, these stay when tooltips are switched off.
    widget->setAccessibleDescription(tag);
    if (!showsOwnText(widget))
        widget->setAccessibleName(tag);
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

void nameByTag(QWidget *label)
{
    label->setAccessibleName(tag(label));
}

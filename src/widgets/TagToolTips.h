#pragma once

#include <QList>
#include <QString>

class QWidget;

// Controls carry their explanation as their "Tag" property; with tooltips on each shows it as
// its tooltip, with tooltips off none shows any.
void setTag(QWidget *widget, const QString &tag);
QString tag(const QWidget *widget);
void showTagToolTips(const QList<QWidget *> &widgets, bool on);

#pragma once

#include <QList>
#include <QString>

class QWidget;

// Controls carry their explanation as their "Tag" property; with tooltips on each shows it as
// its tooltip, with tooltips off none shows any. A screen reader reads the tag either way: as
// the control's description, and as its name where the control shows no text of its own (a
// slider, an edit, a painted area; a label only when named so).
void setTag(QWidget *widget, const QString &tag);
QString tag(const QWidget *widget);
void showTagToolTips(const QList<QWidget *> &widgets, bool on);

// A label that shows no text of its own (a colour sample, a cover over other labels, a meter)
// is named by its tag, as the other controls are.
void nameByTag(QWidget *label);

#pragma once

#include <QRect>
#include <QString>

class QHelpEvent;
class QWidget;

// A widget painted in parts (keys, cells, a marker) gives each part a tooltip of its own. For the
// widget's tooltip event: shows `tip`, kept while the pointer stays within `area` (anywhere on the
// widget when it is empty); an empty tip hides any tooltip and leaves the event to the parent.
void showPartToolTip(QWidget *widget, QHelpEvent *help, const QString &tip, const QRect &area = QRect());

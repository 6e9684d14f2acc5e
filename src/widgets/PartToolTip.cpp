#include "widgets/PartToolTip.h"

#include <QHelpEvent>
#include <QToolTip>

void showPartToolTip(QWidget *widget, QHelpEvent *help, const QString &tip, const QRect &area)
{
    if (tip.isEmpty()) {
        QToolTip::hideText();
        help->ignore();
        return;
    }
    QToolTip::showText(help->globalPos(), tip, widget, area);
}

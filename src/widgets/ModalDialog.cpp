#include "widgets/ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int execModal(QDialog &dialog)
{
    const QPointer<QWidget> window = QApplication::activeWindow();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const int result = dialog.exec();
    if (window && window->isVisible()) {
        window->activateWindow();
        if (focus && focus->window() == window)
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

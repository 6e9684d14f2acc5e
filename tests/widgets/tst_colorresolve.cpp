#include "support/TestMain.h"

#include "widgets/ColorResolve.h"

#include <QLabel>

class TestColorResolve : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemColoursFollowTheDesktop();
};

void TestColorResolve::systemColoursFollowTheDesktop()
{
    QWidget window;
    auto *system = new QLabel(&window);
    auto *rgb = new QLabel(&window);
    setForeColor(system, kWindowText);
    setBackColor(system, kWindowBackground);
    setForeColor(rgb, rgbColor(1, 2, 3));
    setBackColor(rgb, rgbColor(4, 5, 6));

    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Text, QColor(200, 0, 0));
    desktop.setColor(QPalette::Base, QColor(0, 0, 90));
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();

    QCOMPARE(system->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    QCOMPARE(system->palette().color(QPalette::Window), QColor(0, 0, 90));
    QCOMPARE(foreColor(system), kWindowText);
    QCOMPARE(rgb->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    QCOMPARE(rgb->palette().color(QPalette::Window), QColor(4, 5, 6));

    QApplication::setPalette(before);
    QCoreApplication::processEvents();
    QCOMPARE(system->palette().color(QPalette::Window), before.color(QPalette::Base));
}

QUORVIL_TEST_MAIN(TestColorResolve)
#include "tst_colorresolve.moc"

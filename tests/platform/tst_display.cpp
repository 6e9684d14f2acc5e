// The screen as the layout rules see it: in device-independent pixels of 15 twips at every
// scale, so a scaled screen keeps the rules' proportions.
#include "support/TestMain.h"

#include "platform/QtDisplay.h"

#include <QScreen>

class TestDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaledScreenInDeviceIndependentPixels();
};

void TestDisplay::scaledScreenInDeviceIndependentPixels()
{
    // 1024 x 768 device pixels at scale 1.25.
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.25);
    const QtDisplay display;
    QCOMPARE(display.screenWidth(), 819);
    QCOMPARE(display.twipsPerPixelX(), 15.0);
    QCOMPARE(display.twipsPerPixelY(), 15);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(display.workArea(), QRectF(available.x() * 15.0, available.y() * 15.0, available.width() * 15.0,
                                        available.height() * 15.0));
    QCOMPARE(display.workArea().width(), 819 * 15.0);
}

QUORVIL_TEST_MAIN_SCREEN(TestDisplay, 1024, 768, 120)
#include "tst_display.moc"

#include "app/rules/WindowPlacement.h"

#include <QTest>

namespace {

// The test screen's work area, 1024 x 768 pixels, and a window that fits it.
const QRectF kArea(0, 0, 1024 * 15, 768 * 15);
constexpr double kCaption = 450;
constexpr double kWidth = 11700;
constexpr double kHeight = 9000;
const QRectF kCentred((kArea.width() - kWidth) / 2, (kArea.height() - kHeight) / 2, kWidth, kHeight);

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitOnScreen_data();
    void fitOnScreen();
};

void TestWindowPlacement::fitOnScreen_data()
{
    QTest::addColumn<QRectF>("saved");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QRectF>("placed");

    const QRectF onScreen(1500, 1500, kWidth, kHeight);
    QTest::newRow("on the screen") << onScreen << kArea << onScreen;
    QTest::newRow("in the corner") << QRectF(0, 0, kWidth, kHeight) << kArea << QRectF(0, 0, kWidth, kHeight);
    QTest::newRow("far above and left") << QRectF(-100000, -100000, kWidth, kHeight) << kArea << kCentred;
    QTest::newRow("largest 32-bit place") << QRectF(2147483647, 2147483647, kWidth, kHeight) << kArea << kCentred;
    QTest::newRow("smallest 32-bit place") << QRectF(-2147483648.0, -2147483648.0, kWidth, kHeight) << kArea
                                           << kCentred;
    QTest::newRow("title bar just below the screen")
        << QRectF(1500, kArea.bottom() - kCaption + 15, kWidth, kHeight) << kArea << kCentred;
    QTest::newRow("title bar just inside at the bottom")
        << QRectF(1500, kArea.bottom() - kCaption, kWidth, kHeight) << kArea
        << QRectF(1500, kArea.bottom() - kCaption, kWidth, kHeight);
    QTest::newRow("one pixel past the right edge")
        << QRectF(kArea.right() - kWidth + 15, 0, kWidth, kHeight) << kArea << kCentred;
    QTest::newRow("huge width") << QRectF(0, 1500, 2147483647, kHeight) << kArea
                                << QRectF(0, 1500, kArea.width(), kHeight);
    QTest::newRow("huge height, off the screen") << QRectF(-15, 0, kWidth, 2147483647) << kArea
                                                 << QRectF(kCentred.left(), 0, kWidth, kArea.height());
    QTest::newRow("negative size") << QRectF(1500, 1500, -2147483648.0, -15) << kArea << QRectF(1500, 1500, 0, 0);
    const QRectF panelArea(1200, 600, 14160, 10920);
    QTest::newRow("under a panel, centred in what is left")
        << QRectF(0, 0, kWidth, kHeight) << panelArea
        << QRectF(1200 + (14160 - kWidth) / 2, 600 + (10920 - kHeight) / 2, kWidth, kHeight);
}

void TestWindowPlacement::fitOnScreen()
{
    QFETCH(QRectF, saved);
    QFETCH(QRectF, area);
    QFETCH(QRectF, placed);
    QCOMPARE(WindowPlacement::fitOnScreen(saved, area, kCaption), placed);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"

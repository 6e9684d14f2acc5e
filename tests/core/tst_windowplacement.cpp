#include "app/rules/WindowPlacement.h"

#include <QTest>

namespace {

// The test screen's work area, 1024 x 768 pixels, and a window that fits it.
const QRectF kArea(0, 0, 1024 * 15, 768 * 15);
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
    QTest::addColumn<QSizeF>("minimum");
    QTest::addColumn<QRectF>("placed");
    const QSizeF none(0, 0);

    const QRectF onScreen(1500, 1500, kWidth, kHeight);
    QTest::newRow("on the screen") << onScreen << kArea << none << onScreen;
    QTest::newRow("in the corner") << QRectF(0, 0, kWidth, kHeight) << kArea << none << QRectF(0, 0, kWidth, kHeight);
    QTest::newRow("far above and left") << QRectF(-100000, -100000, kWidth, kHeight) << kArea << none << kCentred;
    QTest::newRow("largest 32-bit place") << QRectF(2147483647, 2147483647, kWidth, kHeight) << kArea << none << kCentred;
    QTest::newRow("smallest 32-bit place") << QRectF(-2147483648.0, -2147483648.0, kWidth, kHeight) << kArea << none
                                           << kCentred;
    QTest::newRow("one pixel past the bottom edge")
        << QRectF(1500, kArea.bottom() - kHeight + 15, kWidth, kHeight) << kArea << none << kCentred;
    QTest::newRow("at the bottom edge") << QRectF(1500, kArea.bottom() - kHeight, kWidth, kHeight) << kArea << none
                                        << QRectF(1500, kArea.bottom() - kHeight, kWidth, kHeight);
    QTest::newRow("one pixel past the right edge")
        << QRectF(kArea.right() - kWidth + 15, 0, kWidth, kHeight) << kArea << none << kCentred;
    QTest::newRow("huge width") << QRectF(0, 1500, 2147483647, kHeight) << kArea << none
                                << QRectF(0, 1500, kArea.width(), kHeight);
    QTest::newRow("huge height, off the screen") << QRectF(-15, 0, kWidth, 2147483647) << kArea << none
                                                 << QRectF(kCentred.left(), 0, kWidth, kArea.height());
    QTest::newRow("negative size") << QRectF(1500, 1500, -2147483648.0, -15) << kArea << none << QRectF(1500, 1500, 0, 0);
    // The window that holds the layout is the least it gets, also where the area is smaller.
    const QSizeF standard(kWidth, kHeight);
    QTest::newRow("no width, huge height") << QRectF(1500, 1500, 0, 2147483647) << kArea << standard
                                           << QRectF((kArea.width() - kWidth) / 2, 0, kWidth, kArea.height());
    QTest::newRow("smaller than the standard window") << QRectF(1500, 1500, 6000, 4000) << kArea << standard
                                                      << QRectF(1500, 1500, kWidth, kHeight);
    QTest::newRow("standard window wider than the area, no width")
        << QRectF(0, 0, 0, 0) << kArea << QSizeF(kArea.width() + 300, kHeight)
        << QRectF(0, (kArea.height() - kHeight) / 2, kArea.width() + 300, kHeight);
    const QRectF panelArea(1200, 600, 14160, 10920);
    QTest::newRow("under a panel, centred in what is left")
        << QRectF(0, 0, kWidth, kHeight) << panelArea << none
        << QRectF(1200 + (14160 - kWidth) / 2, 600 + (10920 - kHeight) / 2, kWidth, kHeight);
}

void TestWindowPlacement::fitOnScreen()
{
    QFETCH(QRectF, saved);
    QFETCH(QRectF, area);
    QFETCH(QSizeF, minimum);
    QFETCH(QRectF, placed);
    QCOMPARE(WindowPlacement::fitOnScreen(saved, area, minimum), placed);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"

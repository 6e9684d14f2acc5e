// The main window's saved placement on a 1280 x 1024 screen, Qt's and the program's: whatever
// the store holds, the window starts at least as large as the standard window of its FontMap
// step, wholly on the screen, with the FontMap inside it.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "app/rules/LayoutRules.h"
#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"

#include <QScreen>
#include <QStatusBar>

namespace {

constexpr double kPx = 15;
constexpr qint32 kLargest = 0x7fffffff;
constexpr qint32 kSmallest = qint32(0x80000000);

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unusablePlacement_data();
    void unusablePlacement();
};

void TestPlacement::unusablePlacement_data()
{
    QTest::addColumn<qint32>("left");
    QTest::addColumn<qint32>("top");
    QTest::addColumn<qint32>("width");
    QTest::addColumn<qint32>("height");
    QTest::addColumn<qint32>("sizeIndex"); // 0: the first run's step for the screen, 8
    QTest::addColumn<int>("step");

    QTest::newRow("no width, huge height") << 1500 << 1500 << 0 << kLargest << 0 << 8;
    QTest::newRow("negative width, huge height") << 1500 << 1500 << -15 << kLargest << 0 << 8;
    QTest::newRow("range ends, huge step") << kLargest << kLargest << kSmallest << kSmallest << kLargest << 18;
    QTest::newRow("other range ends, huge step") << kSmallest << kSmallest << kLargest << kLargest << kLargest << 18;
}

void TestPlacement::unusablePlacement()
{
    QFETCH(qint32, left);
    QFETCH(qint32, top);
    QFETCH(qint32, width);
    QFETCH(qint32, height);
    QFETCH(qint32, sizeIndex);
    QFETCH(int, step);
    const QRect screen(0, 0, 1280, 1024);
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), screen);
    MainWindowFixture f(1280, 1024, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    RegistryFunctions store(f.registry);
    const QString last = SettingsLayout::keyPath(QStringLiteral("Last"));
    store.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormLeft"), left, REG_DWORD);
    store.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormTop"), top, REG_DWORD);
    store.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormWidth"), width, REG_DWORD);
    store.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormHeight"), height, REG_DWORD);
    if (sizeIndex)
        store.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("FontMap")),
                          QStringLiteral("SizeIndex"), sizeIndex, REG_DWORD);
    MessageDriver driver;
    driver.ok(); // the FontMap size message, for a step the screen cannot hold
    QVERIFY(f.start());
    QCOMPARE(f.state().fontMap.SizeIndex(), step);

    Quorvil &w = f.window();
    const QSizeF standard = LayoutRules::standardWindowSize(step - 1, kPx, kPx);
    QVERIFY2(w.formWidth() >= standard.width(), qPrintable(QString::number(w.formWidth() / kPx)));
    QVERIFY2(w.formHeight() >= standard.height(), qPrintable(QString::number(w.formHeight() / kPx)));
    const QRectF outer(w.formLeft(), w.formTop(), w.formWidth(), w.formHeight());
    QVERIFY2(f.display.workArea().contains(outer),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(outer.left() / kPx).arg(outer.top() / kPx)
                            .arg(outer.width() / kPx).arg(outer.height() / kPx)));
    QVERIFY(screen.contains(w.geometry()));
    // The FontMap and the TextBoard are inside the window, the status bar under the map shows.
    QuorvilControls &c = f.controls();
    const QRect client = w.centralWidget()->rect();
    QVERIFY(client.contains(c.FMapContainer->geometry()));
    QVERIFY(c.StatBar->y() < client.bottom());
    QVERIFY(c.TextBoard->width() > 0);
    QVERIFY(c.TextBoard->height() > 0);
}

QUORVIL_TEST_MAIN_SCREEN(TestPlacement, 1280, 1024, 96)
#include "tst_placement.moc"

// The main window's toolbars at their designed band widths: every button shows in its band
// (none is pushed into an overflow menu), in the classic size, with no gaps between buttons.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "widgets/ToolBar.h"

#include <QToolButton>

class TestToolBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsFitTheirBands_data();
    void buttonsFitTheirBands();
};

void TestToolBars::buttonsFitTheirBands_data()
{
    QTest::addColumn<QString>("toolbar");
    for (const char *name : {"LoadSaveTB", "QrvlDefTB", "ViewsTB", "TBOperationsTB", "TextEditTB", "FontFormatTB",
                             "TextAlignTB", "tlbCustFMap", "tlbCFMapFmt"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestToolBars::buttonsFitTheirBands()
{
    QFETCH(QString, toolbar);
    MainWindowFixture f;
    QVERIFY(f.start());
    auto *bar = f.window().findChild<ToolBar *>(toolbar);
    QVERIFY(bar);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    const auto *overflow = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    QVERIFY(!overflow || !overflow->isVisible());
    int right = 0;
    for (const QString &key : bar->keys()) {
        QWidget *button = bar->widgetForAction(bar->button(key));
        QVERIFY2(button && button->isVisible(), qPrintable(key));
        QVERIFY2(button->geometry().right() < bar->width(), qPrintable(key));
        QCOMPARE(button->x(), right); // no gap after the button before
        right = button->geometry().right() + 1;
        if (auto *tool = qobject_cast<QToolButton *>(button)) {
            const int arrow = tool->popupMode() == QToolButton::MenuButtonPopup ? 12 : 0;
            QCOMPARE(tool->size(), QSize(23 + arrow, 22));
        }
    }
}

QUORVIL_TEST_MAIN(TestToolBars)
#include "tst_toolbars.moc"

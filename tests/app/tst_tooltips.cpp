// The main window's tooltips: every explaining control shows its text while tooltips are on
// and nothing while they are off, switched live from the Toggles menu.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "widgets/ActionCollection.h"
#include "widgets/ToolBar.h"

#include <QMap>

namespace {

// Every toolbar button's and explaining control's tooltip, by name.
QMap<QString, QString> toolTips(Quorvil &window)
{
    QMap<QString, QString> texts;
    for (ToolBar *bar : window.findChildren<ToolBar *>()) {
        for (const QString &key : bar->keys())
            texts.insert(bar->objectName() + QLatin1Char('/') + key, bar->buttonToolTip(key));
    }
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->property("Tag").isValid())
            texts.insert(w->objectName(), w->toolTip());
    }
    return texts;
}

} // namespace

class TestToolTips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchedAsAWhole();
    void buttonTexts_data();
    void buttonTexts();
};

void TestToolTips::switchedAsAWhole()
{
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    QVERIFY(f.window().commands().isChecked(QStringLiteral("DisplayTT")));
    const QMap<QString, QString> on = toolTips(f.window());
    QCOMPARE(on.value(QStringLiteral("FontNameCombo")), QStringLiteral("Select a Font"));
    QCOMPARE(on.value(QStringLiteral("SplitBar")), QStringLiteral("Pull FontMap Up/Down"));

    f.window().runCommand(QStringLiteral("DisplayTT"));
    QVERIFY(!globals().gToolTips);
    for (auto it = on.cbegin(); it != on.cend(); ++it)
        QVERIFY2(toolTips(f.window()).value(it.key()).isEmpty(), qPrintable(it.key()));

    f.window().runCommand(QStringLiteral("DisplayTT"));
    QVERIFY(globals().gToolTips);
    QCOMPARE(toolTips(f.window()), on);
}

void TestToolTips::buttonTexts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("colour") << "FontFormatTB/Color" << "Set TextBoard Font Color (Currently Black)";
    QTest::newRow("zoom") << "ViewsTB/Zoom" << "Zoom View On/Off";
    QTest::newRow("code") << "ViewsTB/Code" << "Code View On/Off";
    QTest::newRow("keystroke") << "ViewsTB/KS" << "Keystroke View On/Off";
    QTest::newRow("left") << "ViewsTB/VCLeft" << "";
    QTest::newRow("right") << "ViewsTB/VCRight" << "";
    QTest::newRow("slider place") << "tlbCFMapFmt/FMapSld" << "Adjust FontMap Size";
    QTest::newRow("load map") << "tlbCustFMap/CFMapLoad" << "Load a Cutsom FontMap";
}

void TestToolTips::buttonTexts()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(toolTips(f.window()).value(button), text);
}

QUORVIL_TEST_MAIN(TestToolTips)
#include "tst_tooltips.moc"

#include "support/FilePermissions.h"
#include "support/ForeignKeys.h"
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "app/rules/ScreenDefaults.h"
#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "platform/FontSubstitute.h"
#include "textboard/TextBoardDocument.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QtEndian>

namespace {

// One value of the store: a number (REG_DWORD) or a text (REG_SZ); no value when only its type
// is fixed here (the custom colours, whose table is the palette's).
struct Stored
{
    QString key; // below Software\Quorvil; empty for the root
    QString name;
    quint32 type;
    QVariant value;
};

QString where(const Stored &v)
{
    return v.key + QLatin1Char('\\') + v.name;
}

// A value as the store file writes it, with a number's decimal, for a failure that shows
// both sides.
QString shownNumber(quint32 n)
{
    return QStringLiteral("dword:%1 (%2)").arg(n, 8, 16, QLatin1Char('0')).arg(qint32(n));
}

QString shownText(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString shown(const RegData &data)
{
    if (data.type == REG_DWORD && data.bytes.size() == 4)
        return shownNumber(qFromLittleEndian<quint32>(data.bytes.constData()));
    if (data.type == REG_SZ)
        return shownText(QString::fromUtf8(data.bytes));
    return QStringLiteral("type %1, %2 bytes").arg(data.type).arg(data.bytes.size());
}

QString shown(const Stored &v)
{
    return v.type == REG_DWORD ? shownNumber(quint32(v.value.toLongLong())) : shownText(v.value.toString());
}

// Every value a first run writes, each with its first-run default written out here rather than
// taken from the settings table, so that a wrong default in the table shows: on a screen whose
// first-run sizes are `sizeIndex` and `fontSize` and whose work area is `area` (twips). The
// window's designed size is 780 x 592 pixels and its FontMap container 761 pixels wide, at 15
// twips a pixel.
QList<Stored> firstRunStore(int sizeIndex, int fontSize, const QSizeF &area)
{
    QList<Stored> v;
    const auto dw = [&](const char *key, const QString &name, const QVariant &n) {
        v.append({QString::fromLatin1(key), name, REG_DWORD, n});
    };
    const auto sz = [&](const char *key, const QString &name, const QVariant &text) {
        v.append({QString::fromLatin1(key), name, REG_SZ, text});
    };
    const auto n = [](int i) { return QString::number(i); };
    const auto s = [](const char *t) { return QString::fromLatin1(t); };
    const QVariant any;

    dw("", s("MV"), 300);
    dw("", s("SV"), 2);
    for (int i = 1; i <= 9; ++i)
        sz("MRU", n(i), QString());
    for (int i = 1; i <= 5; ++i)
        sz("CFMRU", n(i), QString());
    for (int i = 1; i <= 40; ++i)
        dw("CustomColors", n(i), any);
    for (int i = 1; i <= 40; ++i)
        sz("CustomLabels", n(i), any);

    // Arial, or the family that stands in for it where it is not installed.
    sz("TextBoard", s("FontName"), substituteFamily(s("Arial")));
    dw("TextBoard", s("FontSize"), fontSize);
    for (const char *style : {"Bold", "Italic", "Underline", "Strikeout"})
        dw("TextBoard", s(style), 0);
    dw("TextBoard", s("Alignment"), 0);
    dw("TextBoard", s("FontColorIndex"), 0);
    sz("TextBoard", s("FontColorName"), s("Black"));

    dw("FontMap", s("ForeColor"), 0x80000008u);
    dw("FontMap", s("BackColor"), 0x80000005u);
    dw("FontMap", s("ForeColorIndex"), 8);
    dw("FontMap", s("BackColorIndex"), 5);
    sz("FontMap", s("ForeColorName"), s("Window Text"));
    sz("FontMap", s("BackColorName"), s("Window Background"));
    dw("FontMap", s("ForePaletteRef"), 1);
    dw("FontMap", s("BackPaletteRef"), 1);
    sz("FontMap", s("Hilite"), s("False"));
    dw("FontMap", s("Borders"), 1);
    dw("FontMap", s("SizeIndex"), sizeIndex);
    sz("FontMap", s("InitMap"), s("False"));
    sz("FontMap", s("InitMapPath"), s("None"));

    for (const char *view : {"Zoom", "Code", "KeyStroke"})
        sz("Views", s(view), s("True"));
    sz("Views", s("ZoomSize"), s("72"));

    for (const char *option :
         {"TXTLoadSet", "QUFUnLoadSet", "CopyDialog", "ExitWarning", "OverwriteWarning", "ColorScheme", "ToolTips"})
        sz("Options", s(option), s("True"));
    sz("Options", s("VCPosition"), s("L"));
    dw("Options", s("ZoomedLetter"), 65);
    dw("Options", s("OFMapStart"), 60);

    dw("CFMEditor", s("ListCols"), 10);
    dw("CFMEditor", s("ShiftDir"), 0);
    sz("FB", s("SampleText"), s("The Quick Brown Fox Jumped Over the Lazy Dog."));

    const int mainBands[] = {945, 6240, 2310, 1230};
    for (int i = 0; i < 4; ++i)
        dw("Bars", QStringLiteral("MainBand%1Wdth").arg(i + 1), mainBands[i]);
    const int tbBands[] = {1920, 1575, 2055, 1230, 2880};
    for (int i = 0; i < 5; ++i)
        dw("Bars", QStringLiteral("TBBand%1Wdth").arg(i + 1), tbBands[i]);
    dw("Bars", s("FMBand1Wdth"), 1635);
    dw("Bars", s("FMBand2Wdth"), 5310);
    dw("Bars", s("FMBand3Wdth"), 761 * 15 - 1635 - 5310); // the rest of the container

    // Centred in the work area for the size the window has once the map has its step.
    const int width = 780 * 15;
    const int height = 592 * 15;
    dw("Last", s("FormTop"), int(area.height() - (height + 8 * sizeIndex * 15)) / 2);
    dw("Last", s("FormLeft"), int(area.width() - (width + 28 * sizeIndex * 15)) / 2);
    dw("Last", s("FormHeight"), height);
    dw("Last", s("FormWidth"), width);
    for (const char *folder : {"LFLoadPath", "LFSavePath", "LMLoadPath", "LMSavePath"})
        sz("Last", s(folder), TestEnvironment::documentsDir());
    return v;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRunWritesTheWholeLayout_data();
    void firstRunWritesTheWholeLayout();
    void refusedRepairChangesNothing_data();
    void refusedRepairChangesNothing();
    void missingValuesThatMatter_data();
    void missingValuesThatMatter();
    void repairKeepsTheRecentLists_data();
    void repairKeepsTheRecentLists();
    void screenWidthDefaults_data();
    void screenWidthDefaults();
    void firstRunSizesByScreen();
    void recentFilesShown();
    void sizeTooLargeForScreen();
    void exitWritesLastSettings();
    void maximisedExitKeepsNormalPlace();
    void secondStartAsksNothing();
    void startAndExitReadTheStoreOnce();
    void savedPlacementComesBackOnScreen_data();
    void savedPlacementComesBackOnScreen();
    void badStoreIsReportedFirst_data();
    void badStoreIsReportedFirst();
};

void TestSettings::firstRunWritesTheWholeLayout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("fontSize");
    // One screen of each band of widths.
    QTest::newRow("800 x 600") << 800 << 600 << 1 << 10;
    QTest::newRow("1024 x 768") << 1024 << 768 << 4 << 14;
    QTest::newRow("1280 x 1024") << 1280 << 1024 << 8 << 18;
    QTest::newRow("1440 x 900") << 1440 << 900 << 12 << 22;
    QTest::newRow("1600 x 1200") << 1600 << 1200 << 16 << 26;
    QTest::newRow("1900 x 1200") << 1900 << 1200 << 20 << 30;
    QTest::newRow("2560 x 1440") << 2560 << 1440 << 24 << 34;
}

void TestSettings::firstRunWritesTheWholeLayout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, sizeIndex);
    QFETCH(int, fontSize);
    MainWindowFixture f(width, height, MainWindowFixture::Store::Empty);
    // A panel along the bottom: the window is centred in what is left.
    const QSizeF area(width * 15, (height - 40) * 15);
    f.display.setWorkArea(QRectF(QPointF(0, 0), area));
    MessageDriver driver;
    driver.yes();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Init Information"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r\rAre you running Quorvil for the first time?"));
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));
    QVERIFY(!driver.last().checkBoxVisible);

    const QList<Stored> values = firstRunStore(sizeIndex, fontSize, area);
    for (const Stored &v : values) {
        const std::optional<RegData> stored = f.registry.value(SettingsLayout::keyPath(v.key), v.name);
        QVERIFY2(stored, qPrintable(where(v) + QStringLiteral(" is missing")));
        QVERIFY2(stored->type == v.type, qPrintable(where(v) + QStringLiteral(" is ") + shown(*stored)));
        if (!v.value.isValid())
            continue;
        const QString written = where(v) + QLatin1Char('=') + shown(*stored);
        const QString firstRunDefault = where(v) + QLatin1Char('=') + shown(v);
        QCOMPARE(written, firstRunDefault);
    }
    // Written by the Options dialog alone, never by a first run.
    for (const auto &[key, name] : {std::pair{"Options", "MaximizeTB"}, {"Temp", "TBFColorIndex"},
                                    {"Temp", "FMFPaletteRef"}, {"Temp", "FMBPaletteRef"}, {"Temp", "FMFColorIndex"},
                                    {"Temp", "FMBColorIndex"}, {"Temp", "FMFColorName"}, {"Temp", "FMBColorName"}}) {
        QVERIFY2(!f.registry.value(SettingsLayout::keyPath(QString::fromLatin1(key)), QString::fromLatin1(name)),
                 qPrintable(QString::fromLatin1(key) + QLatin1Char('\\') + QString::fromLatin1(name)));
    }
    // Nothing beyond them: the store holds exactly the values checked above.
    const QString text = QString::fromUtf8(TestEnvironment::settingsBytes());
    QCOMPARE(int(text.count(QRegularExpression(QStringLiteral("^\"[^\"]*\"="), QRegularExpression::MultilineOption))
                 + text.count(QRegularExpression(QStringLiteral("^@="), QRegularExpression::MultilineOption))),
             int(values.size()));
    QVERIFY(f.registry.keyExists(SettingsLayout::keyPath(QStringLiteral("Temp"))));
}

void TestSettings::refusedRepairChangesNothing_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::newRow("no store") << QByteArray();
    QTest::newRow("garbled") << QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Quorvil]\n\"MV\"=dwo\x01\x02rd:zz\n");
}

void TestSettings::refusedRepairChangesNothing()
{
    QFETCH(QByteArray, store);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Empty);
    if (!store.isEmpty())
        TestEnvironment::writeSettings(store);
    const QByteArray before = TestEnvironment::settingsBytes();
    MessageDriver driver;
    // A garbled store is reported before the first-run question.
    const int reports = store.isEmpty() ? 0 : 1;
    if (reports)
        driver.ok();
    driver.no().no();
    QVERIFY(!f.start());
    QCOMPARE(driver.count(), reports + 2);
    QCOMPARE(driver.unexpected(), 0);
    if (reports)
        QCOMPARE(driver.seen()[0].title, QStringLiteral("Quorvil Settings File Error"));
    QCOMPARE(driver.seen()[reports + 1].title, QStringLiteral("Quorvil Registry Initialization Error"));
    QCOMPARE(driver.seen()[reports + 1].text,
             QStringLiteral("\rQuorvil registry entries seem to be incorrect.  \r\rContinue Loading?\r\r"
                            "\u2022 Press Yes to repair registry and continue loading.\r"
                            "(all settings will be reset to default values)      \r"
                            "\u2022 Press No to terminate loading."));
    QCOMPARE(TestEnvironment::settingsBytes(), before);
}

void TestSettings::missingValuesThatMatter_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asks");
    QTest::newRow("OFMapStart") << "Options" << "OFMapStart" << true;
    QTest::newRow("CustomLabels 40") << "CustomLabels" << "40" << true;
    QTest::newRow("MRU 1") << "MRU" << "1" << true;
    QTest::newRow("MRU 9, after an empty rank") << "MRU" << "9" << false;
    QTest::newRow("TextBoard FontName") << "TextBoard" << "FontName" << true;
    QTest::newRow("MaximizeTB") << "Options" << "MaximizeTB" << false;
    QTest::newRow("Temp TBFColorIndex") << "Temp" << "TBFColorIndex" << false;
}

void TestSettings::missingValuesThatMatter()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, asks);
    MainWindowFixture f;
    RegistryFunctions reg(f.registry);
    // Planted first where the first run writes nothing, so that deleting it means something.
    reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name, 1, REG_DWORD);
    reg.DeleteValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
    MessageDriver driver;
    driver.yes();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil Init Information"));
}

void TestSettings::repairKeepsTheRecentLists_data()
{
    QTest::addColumn<QString>("key");  // the value that is missing, read after the recent lists
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("repair"); // the first-run question answered No, then the repair Yes

    QTest::newRow("first run, TextBoard FontName") << "TextBoard" << "FontName" << false;
    QTest::newRow("repair, Options OFMapStart") << "Options" << "OFMapStart" << true;
}

void TestSettings::repairKeepsTheRecentLists()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, repair);

    MainWindowFixture f;
    RegistryFunctions reg(f.registry);
    const QString mru = SettingsLayout::keyPath(QStringLiteral("MRU"));
    const QString cfmru = SettingsLayout::keyPath(QStringLiteral("CFMRU"));
    reg.SetKeyValue(HKEY_CURRENT_USER, mru, QStringLiteral("1"), QStringLiteral("/home/ann/b.txt"), REG_SZ);
    reg.SetKeyValue(HKEY_CURRENT_USER, mru, QStringLiteral("2"), QStringLiteral("/home/ann/a.quf"), REG_SZ);
    reg.SetKeyValue(HKEY_CURRENT_USER, cfmru, QStringLiteral("1"), QStringLiteral("/home/ann/maps/m.qcm"), REG_SZ);
    reg.DeleteValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);

    MessageDriver driver;
    if (repair)
        driver.no();
    driver.yes();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), repair ? 2 : 1);
    QCOMPARE(driver.last().title, repair ? QStringLiteral("Quorvil Registry Initialization Error")
                                         : QStringLiteral("Quorvil Init Information"));

    // The lists stay in the window, and the defaults were written with them.
    QCOMPARE(f.state().FileMRUList.count, 3);
    QCOMPARE(f.state().FileMRUList(2).path(), QStringLiteral("/home/ann/a.quf"));
    QCOMPARE(f.controls().menu->item(QStringLiteral("FileMRU(1)"))->text(), QStringLiteral("&1 b.txt"));
    QVERIFY(f.controls().menu->item(QStringLiteral("FileMRU(2)"))->isVisible());
    QCOMPARE(f.state().CFMRUList(1).path(), QStringLiteral("/home/ann/maps/m.qcm"));
    QVERIFY(f.controls().menu->item(QStringLiteral("FileSep2"))->isVisible());
    QCOMPARE(regToText(reg.QueryValue(HKEY_CURRENT_USER, mru, QStringLiteral("1"))), QStringLiteral("/home/ann/b.txt"));
    QCOMPARE(regToText(reg.QueryValue(HKEY_CURRENT_USER, mru, QStringLiteral("2"))), QStringLiteral("/home/ann/a.quf"));
    QCOMPARE(regToText(reg.QueryValue(HKEY_CURRENT_USER, cfmru, QStringLiteral("1"))),
             QStringLiteral("/home/ann/maps/m.qcm"));
    QVERIFY(!regIsEmpty(reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name)));
}

void TestSettings::screenWidthDefaults_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("800") << 800 << 1 << 10;
    QTest::newRow("1024") << 1024 << 4 << 14;
    QTest::newRow("1280") << 1280 << 8 << 18;
    QTest::newRow("1440") << 1440 << 12 << 22;
    QTest::newRow("1600") << 1600 << 16 << 26;
    QTest::newRow("1900") << 1900 << 20 << 30;
    QTest::newRow("1901") << 1901 << 24 << 34;
    QTest::newRow("2560") << 2560 << 24 << 34;
}

void TestSettings::screenWidthDefaults()
{
    QFETCH(int, width);
    QFETCH(int, sizeIndex);
    QFETCH(int, fontSize);
    const auto sizes = ScreenDefaults::forScreenWidth(width);
    QCOMPARE(sizes.sizeIndex, sizeIndex);
    QCOMPARE(sizes.textBoardFontSize, fontSize);
}

void TestSettings::firstRunSizesByScreen()
{
    QCOMPARE(ScreenDefaults::maxSizeIndex(800, 15), 1);
    QCOMPARE(ScreenDefaults::maxSizeIndex(1024, 15), 9);
    QCOMPARE(ScreenDefaults::maxSizeIndex(1280, 15), 18);
    QCOMPARE(ScreenDefaults::maxSizeIndex(1600, 15), 30);

    MainWindowFixture f(1900, 1200, MainWindowFixture::Store::Empty);
    MessageDriver driver;
    driver.yes();
    QVERIFY(f.start());
    RegistryFunctions reg(f.registry);
    const QString fontMap = SettingsLayout::keyPath(QStringLiteral("FontMap"));
    const QString textBoard = SettingsLayout::keyPath(QStringLiteral("TextBoard"));
    QCOMPARE(regToNumber(reg.QueryValue(HKEY_CURRENT_USER, fontMap, QStringLiteral("SizeIndex"))), 20);
    QCOMPARE(regToNumber(reg.QueryValue(HKEY_CURRENT_USER, textBoard, QStringLiteral("FontSize"))), 30);
}

void TestSettings::recentFilesShown()
{
    MainWindowFixture f;
    RegistryFunctions reg(f.registry);
    const QString mru = SettingsLayout::keyPath(QStringLiteral("MRU"));
    for (int i = 1; i <= 3; ++i)
        reg.SetKeyValue(HKEY_CURRENT_USER, mru, QString::number(i), QStringLiteral("/home/ann/t%1.txt").arg(i), REG_SZ);
    reg.SetKeyValue(HKEY_CURRENT_USER, mru, QStringLiteral("5"), QStringLiteral("/home/ann/ignored.txt"), REG_SZ);
    QVERIFY(f.start());
    MainMenu *menu = f.controls().menu;
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(menu->item(QStringLiteral("FileMRU(%1)").arg(i))->isVisible(), i <= 3);
    QCOMPARE(menu->item(QStringLiteral("FileMRU(2)"))->text(), QStringLiteral("&2 t2.txt"));
    QVERIFY(menu->item(QStringLiteral("FileSep3"))->isVisible());
    QVERIFY(!menu->item(QStringLiteral("FileSep2"))->isVisible());
    QCOMPARE(f.state().FileMRUList.count, 4);
    QCOMPARE(f.state().FileMRUList(3).folder, QStringLiteral("/home/ann/"));
    QCOMPARE(f.state().CFMRUList.count, 1);
}

void TestSettings::sizeTooLargeForScreen()
{
    MainWindowFixture f;
    RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("FontMap")),
                                              QStringLiteral("SizeIndex"), 20, REG_DWORD);
    MessageDriver driver;
    driver.ok();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil FontMap Size Error"));
    QCOMPARE(driver.last().text,
             QStringLiteral("\rYour screen resolution may have changed\rfrom the last time Quorvil was run.\r\r"
                            "The last used FontMap size cannot be\raccommodated in the current screen size.\r\r"
                            "Quorvil will adjust it to suit the current screen size."));
    // The map was built at the largest step the screen holds; the first resize found the
    // screen width anew.
    QCOMPARE(f.state().fontMap.SizeIndex(), 9);
    QCOMPARE(f.state().fontMap.MaxSizeIndex(), 9);
    QCOMPARE(f.state().LastScreenWidth, 1024);
}

void TestSettings::exitWritesLastSettings()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    f.state().FileMRUList(1) = RecentFile{QStringLiteral("/home/ann/"), QStringLiteral("a.txt")};
    f.state().FileMRUList.count = 2;
    f.window().textBoardDocument().setTBLoadFolder(QStringLiteral("/home/ann/letters"));
    f.window().move(33, 44);
    f.window().close();

    RegistryFunctions reg(f.registry);
    const auto read = [&](const char *key, const char *name) {
        return reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString::fromLatin1(key)),
                              QString::fromLatin1(name));
    };
    QCOMPARE(regToText(read("MRU", "1")), QStringLiteral("/home/ann/a.txt"));
    QVERIFY(regIsEmpty(read("MRU", "2"))); // written as the empty text
    QCOMPARE(regToText(read("Last", "LFLoadPath")), QStringLiteral("/home/ann/letters"));
    QCOMPARE(regToNumber(read("Last", "FormLeft")), 33 * 15);
    QCOMPARE(regToNumber(read("Last", "FormTop")), 44 * 15);
    QCOMPARE(regToNumber(read("Last", "FormWidth")), int(f.window().formWidth()));
    QVERIFY(f.registry.value(SettingsLayout::keyPath(QStringLiteral("MRU")), QStringLiteral("2")).has_value());
}

void TestSettings::maximisedExitKeepsNormalPlace()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window().move(20, 30);
    f.window().close();

    MainWindowFixture g(1024, 768, MainWindowFixture::Store::AsItIs);
    QVERIFY(g.start());
    g.window().showMaximized();
    QVERIFY(g.window().isMaximized());
    g.window().close();
    RegistryFunctions reg(g.registry);
    const QString last = SettingsLayout::keyPath(QStringLiteral("Last"));
    QCOMPARE(regToNumber(reg.QueryValue(HKEY_CURRENT_USER, last, QStringLiteral("FormLeft"))).value_or(-1), 20 * 15);
    QCOMPARE(regToNumber(reg.QueryValue(HKEY_CURRENT_USER, last, QStringLiteral("FormTop"))).value_or(-1), 30 * 15);
    QCOMPARE(regToNumber(reg.QueryValue(HKEY_CURRENT_USER, last, QStringLiteral("FormWidth"))),
             int(g.window().formWidth()));
}

void TestSettings::secondStartAsksNothing()
{
    {
        MainWindowFixture f(1024, 768, MainWindowFixture::Store::Empty);
        MessageDriver driver;
        driver.yes();
        QVERIFY(f.start());
        f.window().move(50, 60);
        f.window().close();
    }
    MainWindowFixture g(1024, 768, MainWindowFixture::Store::AsItIs);
    MessageDriver driver;
    QVERIFY(g.start());
    QCOMPARE(driver.count(), 0);
    QCOMPARE(g.window().pos(), QPoint(50, 60));
    QVERIFY(g.window().commands().isChecked(QStringLiteral("DisplayEW")));
    QCOMPARE(g.state().fontMap.SizeIndex(), 4);
}

void TestSettings::startAndExitReadTheStoreOnce()
{
    QByteArray seeded;
    {
        MainWindowFixture seed;
        seeded = TestEnvironment::settingsBytes();
    }
    TestEnvironment::writeSettings(withForeignKeys(seeded, 5000));
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::AsItIs);
    QVERIFY(f.start());
    // Start-up reads some two hundred values; the file is parsed for the first of them only.
    QCOMPARE(f.registry.parseCount(), 1);
    QCOMPARE(f.registry.replaceCount(), 0);
    f.window().move(33, 44);
    f.window().close();
    // The exit writes all its values in one replace of the file, and reads nothing again.
    QCOMPARE(f.registry.parseCount(), 1);
    QCOMPARE(f.registry.replaceCount(), 1);

    // The other programs' keys outlive it.
    FileRegistry fresh;
    QCOMPARE(fresh.value(QStringLiteral("Software\\Vendor99\\Key04999"), QStringLiteral("Value")),
             (RegData{REG_SZ, QByteArray(20, 'v')}));
    QCOMPARE(fresh.value(SettingsLayout::keyPath(QStringLiteral("Last")), QStringLiteral("FormLeft")),
             (RegData{REG_DWORD, QByteArray("\xef\x01\0\0", 4)}));
}

void TestSettings::savedPlacementComesBackOnScreen_data()
{
    QTest::addColumn<qint32>("left");
    QTest::addColumn<qint32>("top");
    QTest::addColumn<qint32>("width");

    QTest::newRow("-100000 twips") << -100000 << -100000 << 11820;
    QTest::newRow("largest 32-bit numbers") << qint32(0x7fffffff) << qint32(0x7fffffff) << 11820;
    QTest::newRow("smallest 32-bit numbers") << qint32(0x80000000) << qint32(0x80000000) << 11820;
    QTest::newRow("huge width") << 0 << 0 << qint32(0x7fffffff);
}

void TestSettings::savedPlacementComesBackOnScreen()
{
    QFETCH(qint32, left);
    QFETCH(qint32, top);
    QFETCH(qint32, width);

    const QString last = SettingsLayout::keyPath(QStringLiteral("Last"));
    {
        MainWindowFixture f;
        RegistryFunctions reg(f.registry);
        reg.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormLeft"), left, REG_DWORD);
        reg.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormTop"), top, REG_DWORD);
        reg.SetKeyValue(HKEY_CURRENT_USER, last, QStringLiteral("FormWidth"), width, REG_DWORD);
        QVERIFY(f.start());
        const QRect screen(0, 0, 1024, 768);
        QVERIFY2(screen.contains(f.window().pos()), qPrintable(QStringLiteral("at %1,%2").arg(f.window().x()).arg(f.window().y())));
        QVERIFY(f.state().LastFormWidth <= 1024 * 15);
        f.window().close();
    }
    // Saved back on the screen, so the next start finds it there too.
    MainWindowFixture again(1024, 768, MainWindowFixture::Store::AsItIs);
    RegistryFunctions reg(again.registry);
    const qint32 savedLeft = regToNumber(reg.QueryValue(HKEY_CURRENT_USER, last, QStringLiteral("FormLeft"))).value_or(-1);
    const qint32 savedTop = regToNumber(reg.QueryValue(HKEY_CURRENT_USER, last, QStringLiteral("FormTop"))).value_or(-1);
    QVERIFY(QRect(0, 0, 1024 * 15, 768 * 15).contains(savedLeft, savedTop));
    QVERIFY(again.start());
    QCOMPARE(again.window().pos(), QPoint(savedLeft / 15, savedTop / 15));
}

void TestSettings::badStoreIsReportedFirst_data()
{
    QTest::addColumn<QString>("kind"); // damaged, too large, folder or unreadable
    QTest::addColumn<QString>("detail");

    QTest::newRow("damaged") << "damaged" << "is damaged and could not be read.";
    QTest::newRow("too large") << "too large" << "is larger than 4 MiB and could not be read.";
    QTest::newRow("a folder in its place") << "folder" << "cannot be read: Is a directory.";
    QTest::newRow("no permission to read it") << "unreadable" << "cannot be read: Permission denied.";
}

void TestSettings::badStoreIsReportedFirst()
{
    QFETCH(QString, kind);
    QFETCH(QString, detail);

    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Empty);
    const QString store = TestEnvironment::settingsFile();
    const QByteArray damaged = kind == QLatin1String("too large")
                                   ? "REGEDIT4\n\n" + QByteArray(4 << 20, ';') + "\n"
                                   : QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Quorvil]\n\"MV\"=dword:12c");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(store));
    } else {
        TestEnvironment::writeSettings(damaged);
    }
    ObeyFilePermissions obey;
    if (kind == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(store, QFileDevice::Permissions()));
        QFile probe(store);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
    }

    MessageDriver driver;
    driver.ok().yes();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), 2);
    const MessageDriver::Seen &report = driver.seen().constFirst();
    QCOMPARE(report.title, QStringLiteral("Quorvil Settings File Error"));
    QCOMPARE(report.buttons, QStringList{QStringLiteral("Ok")});
    QStringList lines{QString(), QStringLiteral("The settings file Quorvil.reg in the folder"),
                      QFileInfo(store).absolutePath(), detail};
    const QStringList copies = QDir(QFileInfo(store).absolutePath())
                                   .entryList({QStringLiteral("Quorvil.reg.damaged-*")}, QDir::Files);
    if (kind == QLatin1String("damaged") || kind == QLatin1String("too large")) {
        QCOMPARE(copies.size(), 1);
        lines << QString() << QStringLiteral("A copy of it was kept in the same folder as") << copies.constFirst();
        QFile copy(QFileInfo(store).absolutePath() + QLatin1Char('/') + copies.constFirst());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), damaged);
        // The first run that follows replaced the damaged store with its own.
        QVERIFY(f.registry.value(SettingsLayout::keyPath(QStringLiteral("TextBoard")), QStringLiteral("FontName")));
    } else {
        QVERIFY(copies.isEmpty());
        lines << QString() << QStringLiteral("It is left untouched, and no settings") << QStringLiteral("can be saved in it.");
        QCOMPARE(QFileInfo(store).isDir(), kind == QLatin1String("folder"));
    }
    // Long folders may break after any separator; the words are the same.
    QCOMPARE(QString(report.text).remove(QChar(0x200B)), lines.join(QLatin1Char('\r')));
    QCOMPARE(driver.seen()[1].title, QStringLiteral("Quorvil Init Information"));
    if (kind == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(TestEnvironment::settingsBytes(), damaged);
    }
}

QUORVIL_TEST_MAIN(TestSettings)
#include "tst_settings.moc"

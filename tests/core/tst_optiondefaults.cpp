#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "platform/fakes/MemoryRegistry.h"
#include "tools/rules/OptionDefaults.h"
#include "tools/rules/OptionsChangeTest.h"
#include "tools/rules/StartupMap.h"

#include <QTest>

#include <functional>
#include <optional>

namespace {

using Field = std::function<QVariant(const Settings &)>;
using Change = std::function<void(Settings &)>;

// What the first run stores, with a font, for the values the dialog reads.
Settings firstRun()
{
    Settings s = SettingsLayout::literalDefaults();
    s.TBFontName = QStringLiteral("Liberation Sans");
    s.TBFontSize = 12;
    s.LMLoadPath = QStringLiteral("/home/ann/Maps/");
    return s;
}

// A store holding every key, and the first run's values of the dialog.
void seed(MemoryRegistry &store)
{
    for (const QString &key : SettingsLayout::keys())
        store.createKey(SettingsLayout::keyPath(key));
    SettingsAccess access(store);
    access.writeMany(OptionDefaults::writes(firstRun()));
    access.write(QStringLiteral("Last"), QStringLiteral("LMLoadPath"), firstRun().LMLoadPath);
}

RegData dword(qint32 n)
{
    RegData d{REG_DWORD, QByteArray(4, '\0')};
    for (int i = 0; i < 4; ++i)
        d.bytes[i] = char((quint32(n) >> (8 * i)) & 0xFF);
    return d;
}

RegData text(const QString &t)
{
    return RegData{REG_SZ, t.toUtf8()};
}

} // namespace

Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(RegData)
Q_DECLARE_METATYPE(std::optional<RegData>)

class TestOptionDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program.emplace(); }
    void repairsAtOpening_data();
    void repairsAtOpening();
    void openHoldsValuesToTheirControls_data();
    void openHoldsValuesToTheirControls();
    void writesInOrderWithLayoutTypes();
    void storedForms_data();
    void storedForms();
    void writtenValuesReadBackUnchanged();
    void changeTest_data();
    void changeTest();
    void startupMap_data();
    void startupMap();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestOptionDefaults::repairsAtOpening_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<RegData>>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("written");

    const QString letter = QStringLiteral("ZoomedLetter");
    const QString start = QStringLiteral("OFMapStart");
    QTest::newRow("letter missing") << letter << std::optional<RegData>() << 64 << true;
    QTest::newRow("letter 20") << letter << std::optional(dword(20)) << 64 << true;
    QTest::newRow("letter 33") << letter << std::optional(dword(33)) << 33 << false;
    QTest::newRow("letter 255") << letter << std::optional(dword(255)) << 255 << false;
    QTest::newRow("letter 256") << letter << std::optional(dword(256)) << 64 << true;
    QTest::newRow("letter not a number") << letter << std::optional(text(QStringLiteral("A"))) << 64 << true;
    QTest::newRow("start 33") << start << std::optional(dword(33)) << 33 << false;
    QTest::newRow("start 243") << start << std::optional(dword(243)) << 243 << false;
    QTest::newRow("start 244 ends past 255") << start << std::optional(dword(244)) << 60 << true;
    QTest::newRow("start 32") << start << std::optional(dword(32)) << 60 << true;
    QTest::newRow("start negative") << start << std::optional(dword(-1)) << 60 << true;
}

void TestOptionDefaults::repairsAtOpening()
{
    QFETCH(QString, name);
    QFETCH(std::optional<RegData>, stored);
    QFETCH(int, shown);
    QFETCH(bool, written);

    MemoryRegistry store;
    seed(store);
    const QString options = SettingsLayout::keyPath(QStringLiteral("Options"));
    if (stored)
        store.plant(options, name, *stored);
    else
        store.deleteValue(options, name);

    SettingsAccess access(store);
    const Settings opened = OptionDefaults::open(access);
    QCOMPARE(name == QLatin1String("ZoomedLetter") ? opened.ZoomedLetter : opened.OFMapStart, shown);
    const std::optional<RegData> after = store.value(options, name);
    QVERIFY(after.has_value());
    if (written)
        QCOMPARE(*after, dword(shown));
    else
        QCOMPARE(*after, *stored);
}

void TestOptionDefaults::openHoldsValuesToTheirControls_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<RegData>("stored");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QVariant>("shown");

    const auto row = [](const char *tag, const char *key, const char *name, const RegData &stored, Field field,
                        const QVariant &shown) {
        QTest::newRow(tag) << QString::fromLatin1(key) << QString::fromLatin1(name) << stored << field << shown;
    };
    row("palette reference 7", "FontMap", "ForePaletteRef", dword(7), [](const Settings &s) { return s.FMForePaletteRef; }, 2);
    row("system cell 30 of 25", "FontMap", "ForeColorIndex", dword(30),
        [](const Settings &s) { return s.FMForeColorIndex; }, 24);
    row("negative cell", "FontMap", "BackColorIndex", dword(-3), [](const Settings &s) { return s.FMBackColorIndex; }, 0);
    row("text colour 20", "TextBoard", "FontColorIndex", dword(20),
        [](const Settings &s) { return QVariant(s.TBFontColorIndex); }, 15);
    row("text colour named by its index", "TextBoard", "FontColorName", text(QStringLiteral("Chartreuse")),
        [](const Settings &s) { return QVariant(s.TBFontColorName); }, QStringLiteral("Black"));
    row("ShiftDir 5", "CFMEditor", "ShiftDir", dword(5), [](const Settings &s) { return s.ShiftDir; }, 1);
    row("font size 99", "TextBoard", "FontSize", dword(99), [](const Settings &s) { return s.TBFontSize; }, 36);
    row("font size 2", "TextBoard", "FontSize", dword(2), [](const Settings &s) { return s.TBFontSize; }, 8);
    row("zoom size 200", "Views", "ZoomSize", text(QStringLiteral("200")), [](const Settings &s) { return s.ZoomSize; }, 72);
    row("alignment 9", "TextBoard", "Alignment", dword(9), [](const Settings &s) { return s.TBAlignment; }, 2);
    row("bold 4", "TextBoard", "Bold", dword(4), [](const Settings &s) { return s.TBFontStyle[0]; }, 1);
    row("side other than R", "Options", "VCPosition", text(QStringLiteral("r")),
        [](const Settings &s) { return QVariant(s.VCPosition); }, QStringLiteral("L"));
    row("empty start-up map", "FontMap", "InitMapPath", text(QString()),
        [](const Settings &s) { return QVariant(s.InitMapPath); }, QStringLiteral("None"));
    row("highlight as a digit", "FontMap", "Hilite", text(QStringLiteral("1")),
        [](const Settings &s) { return QVariant(s.Hilite); }, true);
    row("sample text of 60", "FB", "SampleText", text(QString(60, QLatin1Char('x'))),
        [](const Settings &s) { return QVariant(s.SampleText); }, QString(45, QLatin1Char('x')));
}

void TestOptionDefaults::openHoldsValuesToTheirControls()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(RegData, stored);
    QFETCH(Field, field);
    QFETCH(QVariant, shown);

    MemoryRegistry store;
    seed(store);
    store.plant(SettingsLayout::keyPath(key), name, stored);
    SettingsAccess access(store);
    QCOMPARE(field(OptionDefaults::open(access)), shown);
}

void TestOptionDefaults::writesInOrderWithLayoutTypes()
{
    const QList<SettingWrite> writes = OptionDefaults::writes(firstRun());
    QStringList order;
    for (const SettingWrite &w : writes)
        order << w.key + QLatin1Char('\\') + w.name;
    const QStringList expected = QStringLiteral(
        "TextBoard\\FontName TextBoard\\FontSize TextBoard\\Bold TextBoard\\Italic TextBoard\\Underline "
        "TextBoard\\Strikeout TextBoard\\Alignment TextBoard\\FontColorIndex TextBoard\\FontColorName "
        "FontMap\\ForeColor FontMap\\BackColor FontMap\\ForeColorIndex FontMap\\BackColorIndex FontMap\\ForeColorName "
        "FontMap\\BackColorName FontMap\\ForePaletteRef FontMap\\BackPaletteRef FontMap\\Hilite FontMap\\Borders "
        "FontMap\\InitMap FontMap\\InitMapPath Views\\Zoom Views\\Code Views\\KeyStroke Views\\ZoomSize "
        "Options\\OFMapStart Options\\ZoomedLetter Options\\TXTLoadSet Options\\QUFUnLoadSet Options\\MaximizeTB "
        "Options\\CopyDialog Options\\ExitWarning Options\\OverwriteWarning Options\\ColorScheme Options\\ToolTips "
        "Options\\VCPosition CFMEditor\\ShiftDir FB\\SampleText")
                                     .split(QLatin1Char(' '));
    QCOMPARE(order, expected);

    MemoryRegistry store;
    seed(store);
    for (const SettingWrite &w : writes) {
        const std::optional<RegData> stored = store.value(SettingsLayout::keyPath(w.key), w.name);
        QVERIFY2(stored, qPrintable(w.name));
        QCOMPARE(stored->type, SettingsLayout::find(w.key, w.name)->type);
    }
}

void TestOptionDefaults::storedForms_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("highlight on is the digit 1")
        << Change([](Settings &s) { s.Hilite = true; }) << "Hilite" << QVariant(QStringLiteral("1"));
    QTest::newRow("highlight off is the digit 0")
        << Change([](Settings &s) { s.Hilite = false; }) << "Hilite" << QVariant(QStringLiteral("0"));
    QTest::newRow("start-up map ticked with none chosen is off")
        << Change([](Settings &s) { s.InitMap = true; }) << "InitMap" << QVariant(false);
    QTest::newRow("no start-up map is None")
        << Change([](Settings &s) { s.InitMapPath.clear(); }) << "InitMapPath" << QVariant(QStringLiteral("None"));
    QTest::newRow("start-up map ticked with a map is on") << Change([](Settings &s) {
        s.InitMap = true;
        s.InitMapPath = QStringLiteral("/m/a.QCM");
    }) << "InitMap" << QVariant(true);
    QTest::newRow("a system colour keeps its number")
        << Change([](Settings &s) { s.FMBackColor = systemColor(15); }) << "BackColor"
        << QVariant(qint64(systemColor(15)));
}

void TestOptionDefaults::storedForms()
{
    QFETCH(Change, change);
    QFETCH(QString, name);
    QFETCH(QVariant, value);

    Settings s = firstRun();
    change(s);
    for (const SettingWrite &w : OptionDefaults::writes(s)) {
        if (w.name == name) {
            QCOMPARE(w.value, value);
            return;
        }
    }
    QFAIL("not written");
}

void TestOptionDefaults::writtenValuesReadBackUnchanged()
{
    Settings chosen = firstRun();
    chosen.TBFontStyle = {1, 0, 1, 0};
    chosen.TBAlignment = 2;
    chosen.TBFontColorIndex = 4;
    chosen.TBFontColorName = QStringLiteral("Maroon");
    chosen.FMBackColor = systemColor(15);
    chosen.FMBackPaletteRef = 1;
    chosen.FMBackColorIndex = 15;
    chosen.FMForeColor = rgbColor(192, 64, 0);
    chosen.FMForePaletteRef = 0;
    chosen.FMForeColorIndex = 26;
    chosen.Hilite = true;
    chosen.InitMap = true;
    chosen.InitMapPath = QStringLiteral("/home/ann/Maps/Accents.QCM");
    chosen.ZoomSize = 40;
    chosen.VCPosition = QStringLiteral("R");
    chosen.MaximizeTB = true;
    chosen.ShiftDir = 1;
    chosen.SampleText = QStringLiteral("Grüße");
    chosen.ZoomedLetter = 200;
    chosen.OFMapStart = 100;

    MemoryRegistry store;
    seed(store);
    SettingsAccess access(store);
    access.writeMany(OptionDefaults::writes(chosen));
    const Settings read = OptionDefaults::open(access);
    QVERIFY(!OptionsChangeTest::changed(chosen, read));
    QCOMPARE(read.FMBackColor, systemColor(15));
    QCOMPARE(read.ZoomedLetter, 200);
    QCOMPARE(read.OFMapStart, 100);
}

void TestOptionDefaults::changeTest_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("changed");

    QTest::newRow("nothing") << Change([](Settings &) {}) << false;
    QTest::newRow("changed and changed back") << Change([](Settings &s) {
        s.ZoomSize = 20;
        s.ZoomSize = SettingsLayout::literalDefaults().ZoomSize;
    }) << false;
    QTest::newRow("zoomed letter only") << Change([](Settings &s) { s.ZoomedLetter = 90; }) << false;
    QTest::newRow("sample start only") << Change([](Settings &s) { s.OFMapStart = 200; }) << false;
    QTest::newRow("colour names only") << Change([](Settings &s) {
        s.FMForeColorName = QStringLiteral("x");
        s.TBFontColorName = QStringLiteral("y");
    }) << false;
    QTest::newRow("font name's case") << Change([](Settings &s) { s.TBFontName = s.TBFontName.toUpper(); }) << true;
    QTest::newRow("a style") << Change([](Settings &s) { s.TBFontStyle[3] = 1; }) << true;
    QTest::newRow("same cell on another palette") << Change([](Settings &s) { s.FMBackPaletteRef = 0; }) << true;
    QTest::newRow("same cell in another colour") << Change([](Settings &s) { s.FMForeColor = rgbColor(1, 2, 3); })
                                                 << true;
    QTest::newRow("same map name in another folder")
        << Change([](Settings &s) { s.InitMapPath = QStringLiteral("/elsewhere/Accents.QCM"); }) << true;
    QTest::newRow("views' side") << Change([](Settings &s) { s.VCPosition = QStringLiteral("R"); }) << true;
    QTest::newRow("sample text's case") << Change([](Settings &s) { s.SampleText = s.SampleText.toLower(); }) << true;
    QTest::newRow("maximise the TextBoard") << Change([](Settings &s) { s.MaximizeTB = true; }) << true;
    QTest::newRow("tooltips") << Change([](Settings &s) { s.ToolTips = false; }) << true;
}

void TestOptionDefaults::changeTest()
{
    QFETCH(Change, change);
    QFETCH(bool, changed);

    Settings snapshot = firstRun();
    snapshot.InitMap = true;
    snapshot.InitMapPath = QStringLiteral("/home/ann/Maps/Accents.QCM");
    Settings now = snapshot;
    change(now);
    QCOMPARE(OptionsChangeTest::changed(snapshot, now), changed);
}

void TestOptionDefaults::startupMap_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("already");

    QTest::newRow("the same path") << "/home/ann/Maps/a.QCM" << "/home/ann/Maps/a.QCM" << true;
    QTest::newRow("the same name in another folder") << "/home/ann/Old/a.QCM" << "/home/ann/Maps/a.QCM" << false;
    QTest::newRow("another case") << "/home/ann/Maps/A.QCM" << "/home/ann/Maps/a.QCM" << false;
    QTest::newRow("none specified") << "/home/ann/Maps/None" << "None" << false;
}

void TestOptionDefaults::startupMap()
{
    QFETCH(QString, chosen);
    QFETCH(QString, current);
    QFETCH(bool, already);

    QCOMPARE(StartupMap::alreadySpecified(chosen, current), already);
    QCOMPARE(StartupMap::folderOf(chosen) + StartupMap::nameOf(chosen), chosen);
    QVERIFY(StartupMap::folderOf(chosen).endsWith(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestOptionDefaults)
#include "tst_optiondefaults.moc"

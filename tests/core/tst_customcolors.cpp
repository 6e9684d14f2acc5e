#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/rules/CustomColors.h"
#include "fontmap/rules/PaletteCells.h"
#include "platform/fakes/MemoryRegistry.h"

#include <QTest>

namespace {

const QString kColors = SettingsLayout::keyPath(QStringLiteral("CustomColors"));
const QString kLabels = SettingsLayout::keyPath(QStringLiteral("CustomLabels"));

// A store with the two keys, holding the defaults as a first run wrote them.
void seed(MemoryRegistry &store)
{
    store.createKey(kColors);
    store.createKey(kLabels);
    SettingsAccess settings(store);
    CustomColors::save(settings, CustomColors::defaults());
}

} // namespace

class TestCustomColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsAreUnchanged();
    void changes_data();
    void changes();
    void saveWritesEveryValueWithItsType();
    void roundTrip();
    void missingValueReadsBlack();
    void paletteCells();

private:
    // The settings reads record a missing value in the program state.
    GlobalDeclarations m_program;
};

void TestCustomColors::defaultsAreUnchanged()
{
    const CustomColorSet d = CustomColors::defaults();
    QVERIFY(!CustomColors::changedFromDefaults(d));
    // Entry 26 keeps its odd colour under its name.
    QCOMPARE(d[25].label, QStringLiteral("Firebrick"));
    QCOMPARE(d[25].color, rgbColor(226, 151, 34));
    QCOMPARE(d[0].color, rgbColor(0, 0, 205));
    QCOMPARE(d[39].label, QStringLiteral("Ivory"));
}

void TestCustomColors::changes_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("label");
    QTest::addColumn<ColorValue>("color");

    const CustomColorSet d = CustomColors::defaults();
    QTest::newRow("label in lower case") << 1 << "medium blue" << d[0].color;
    QTest::newRow("label with a trailing space") << 12 << "Slate Blue " << d[11].color;
    QTest::newRow("empty label") << 40 << "" << d[39].color;
    QTest::newRow("colour one step off") << 26 << d[25].label << rgbColor(226, 151, 35);
    QTest::newRow("system colour") << 7 << d[6].label << systemColor(5);
}

void TestCustomColors::changes()
{
    QFETCH(int, cell);
    QFETCH(QString, label);
    QFETCH(ColorValue, color);
    CustomColorSet set = CustomColors::defaults();
    set[cell - 1] = {color, label};
    QVERIFY(CustomColors::changedFromDefaults(set));
}

void TestCustomColors::saveWritesEveryValueWithItsType()
{
    MemoryRegistry store;
    store.createKey(kColors);
    store.createKey(kLabels);
    SettingsAccess settings(store);
    CustomColorSet set = CustomColors::defaults();
    set[2] = {systemColor(8), QStringLiteral("Ünïcode label")};
    CustomColors::save(settings, set);

    for (int i = 1; i <= 40; ++i) {
        const auto color = store.value(kColors, QString::number(i));
        const auto label = store.value(kLabels, QString::number(i));
        QVERIFY2(color && label, qPrintable(QString::number(i)));
        QCOMPARE(color->type, REG_DWORD);
        QCOMPARE(label->type, REG_SZ);
    }
    // A system colour is stored as the signed value with the same bits.
    QCOMPARE(store.value(kColors, QStringLiteral("3"))->bytes, QByteArray::fromHex("08000080"));
}

void TestCustomColors::roundTrip()
{
    MemoryRegistry store;
    seed(store);
    SettingsAccess settings(store);
    CustomColorSet set = CustomColors::defaults();
    set[0] = {rgbColor(1, 2, 3), QStringLiteral("Mine")};
    set[24] = {systemColor(24), QString()};
    set[39] = {rgbColor(255, 255, 255), QStringLiteral("A label far longer than twenty characters")};
    CustomColors::save(settings, set);
    QCOMPARE(CustomColors::read(settings), set);
}

void TestCustomColors::missingValueReadsBlack()
{
    MemoryRegistry store;
    seed(store);
    store.deleteValue(kColors, QStringLiteral("7"));
    store.deleteValue(kLabels, QStringLiteral("9"));
    SettingsAccess settings(store);
    const CustomColorSet set = CustomColors::read(settings);
    QCOMPARE(set[6].color, ColorValue(0));
    QCOMPARE(set[6].label, CustomColors::defaults()[6].label);
    QCOMPARE(set[8].label, QString());
    QVERIFY(CustomColors::changedFromDefaults(set));
}

void TestCustomColors::paletteCells()
{
    using namespace PaletteCells;
    // Presets 26 and 27 are two cells of one colour; 26 is not (192, 0, 0).
    QCOMPARE(presetColor(26), rgbColor(192, 64, 0));
    QCOMPARE(presetColor(27), presetColor(26));
    QCOMPARE(presetColor(41), rgbColor(0, 0, 0));
    QCOMPARE(systemCellColor(9), ColorValue(0x80000008));
    QCOMPARE(systemColorName(9), QStringLiteral("Window Text"));
    QCOMPARE(systemColorName(18), QStringLiteral("Disbled Text"));
    QCOMPARE(cellCount(System), 25);
    // References from a hand-edited store come onto a tab.
    QCOMPARE(clampPaletteRef(7), int(Custom));
    QCOMPARE(clampPaletteRef(-1), int(Preset));
    QCOMPARE(tabCaption(7), QStringLiteral("Custom"));
}

QTEST_GUILESS_MAIN(TestCustomColors)
#include "tst_customcolors.moc"

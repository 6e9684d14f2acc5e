#include "core/FileNames.h"
#include "core/GlobalDeclarations.h"
#include "core/RegistryFunctions.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "platform/fakes/MemoryRegistry.h"

#include <QTest>

#include <optional>

namespace {

const QString kQuorvil = QStringLiteral("Software\\Quorvil");
const QString kTextBoard = QStringLiteral("Software\\Quorvil\\TextBoard");

QByteArray dword(quint32 number)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((number >> (8 * i)) & 0xFF);
    return bytes;
}

// "empty", "text:<text>" or "number:<n>", so that a failed comparison reads plainly.
QString describe(const RegValue &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return QStringLiteral("text:") + *text;
    if (const auto *number = std::get_if<qint32>(&value))
        return QStringLiteral("number:%1").arg(*number);
    return QStringLiteral("empty");
}

// A store holding the key Software\Quorvil\TextBoard, and the operations over it.
struct Fixture
{
    Fixture() { store.createKey(kTextBoard); }

    MemoryRegistry store;
    RegistryFunctions registry{store};
};

} // namespace

class TestRegistryFunctions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void missingReadsSetTheFlag();
    void writes_data();
    void writes();
    void reads_data();
    void reads();
    void writesNeedTheKey();
    void keysAndValues();
    void conversions_data();
    void conversions();
    void settingsBatchTakesTheLayoutsTypes();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestRegistryFunctions::init()
{
    m_program.emplace();
}

void TestRegistryFunctions::missingReadsSetTheFlag()
{
    Fixture f;
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("FontName"))),
             QStringLiteral("empty"));
    QVERIFY(globals().gRegError);

    // A later good read does not clear it; only its reader does.
    f.registry.SetKeyValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("FontName"), QStringLiteral("Arial"), REG_SZ);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("FontName"))),
             QStringLiteral("text:Arial"));
    QVERIFY(globals().gRegError);

    globals().gRegError = false;
    QVERIFY(regIsEmpty(f.registry.QueryValue(HKEY_CURRENT_USER, kQuorvil + QStringLiteral("\\Missing"), QStringLiteral("FontName"))));
    QVERIFY(globals().gRegError);

    // Failed writes and deletes leave it alone.
    globals().gRegError = false;
    f.registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Nowhere"), QStringLiteral("v"), 1, REG_DWORD);
    f.registry.DeleteValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("Missing"));
    f.registry.DeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Nowhere"));
    QVERIFY(!globals().gRegError);

    RegValue result = QStringLiteral("stale");
    QCOMPARE(f.registry.QueryValueEx(RegKey{kTextBoard}, QStringLiteral("Missing"), result), ERROR_FILE_NOT_FOUND);
    QVERIFY(regIsEmpty(result));
}

void TestRegistryFunctions::writes_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<qint32>("code");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("text") << QVariant(QStringLiteral("Arial")) << REG_SZ << ERROR_SUCCESS << true << QByteArray("Arial");
    QTest::newRow("empty text, no NUL") << QVariant(QString()) << REG_SZ << ERROR_SUCCESS << true << QByteArray();
    QTest::newRow("non-ASCII text as UTF-8") << QVariant(QStringLiteral("Café €")) << REG_SZ << ERROR_SUCCESS << true
                                             << QStringLiteral("Café €").toUtf8();
    // A path whose name is not UTF-8 (read from the store or given by the system) keeps its bytes.
    QTest::newRow("path of Latin-1 bytes") << QVariant(decodeFileName("/home/ann/caf\xe9.txt")) << REG_SZ
                                           << ERROR_SUCCESS << true << QByteArray("/home/ann/caf\xe9.txt");
    QTest::newRow("True as text") << QVariant(true) << REG_SZ << ERROR_SUCCESS << true << QByteArray("True");
    QTest::newRow("False as text") << QVariant(false) << REG_SZ << ERROR_SUCCESS << true << QByteArray("False");
    QTest::newRow("number as text") << QVariant(72) << REG_SZ << ERROR_SUCCESS << true << QByteArray("72");
    QTest::newRow("nothing as text") << QVariant() << REG_SZ << ERROR_SUCCESS << true << QByteArray();
    QTest::newRow("number") << QVariant(300) << REG_DWORD << ERROR_SUCCESS << true << dword(300);
    QTest::newRow("text of a number") << QVariant(QStringLiteral("300")) << REG_DWORD << ERROR_SUCCESS << true << dword(300);
    QTest::newRow("spaced negative text") << QVariant(QStringLiteral(" -5 ")) << REG_DWORD << ERROR_SUCCESS << true
                                          << dword(quint32(-5));
    QTest::newRow("True as number") << QVariant(true) << REG_DWORD << ERROR_SUCCESS << true << dword(0xFFFFFFFF);
    QTest::newRow("2.5 to even") << QVariant(2.5) << REG_DWORD << ERROR_SUCCESS << true << dword(2);
    QTest::newRow("3.5 to even") << QVariant(3.5) << REG_DWORD << ERROR_SUCCESS << true << dword(4);
    QTest::newRow("system colour") << QVariant(quint32(0x80000008)) << REG_DWORD << ERROR_SUCCESS << true
                                   << dword(0x80000008);
    QTest::newRow("system colour as signed text") << QVariant(QStringLiteral("-2147483640")) << REG_DWORD << ERROR_SUCCESS
                                                  << true << dword(0x80000008);
    QTest::newRow("nothing as number") << QVariant() << REG_DWORD << ERROR_SUCCESS << true << dword(0);
    QTest::newRow("beyond 32 bits") << QVariant(qint64(1) << 32) << REG_DWORD << ERROR_INVALID_PARAMETER << false
                                    << QByteArray();
    QTest::newRow("below 32 bits") << QVariant(qint64(-2147483649LL)) << REG_DWORD << ERROR_INVALID_PARAMETER << false
                                   << QByteArray();
    QTest::newRow("word as number") << QVariant(QStringLiteral("abc")) << REG_DWORD << ERROR_INVALID_PARAMETER << false
                                    << QByteArray();
    QTest::newRow("empty text as number") << QVariant(QString()) << REG_DWORD << ERROR_INVALID_PARAMETER << false
                                          << QByteArray();
    QTest::newRow("binary type") << QVariant(QStringLiteral("x")) << REG_BINARY << ERROR_SUCCESS << false << QByteArray();
    QTest::newRow("expandable text type") << QVariant(QStringLiteral("x")) << quint32(2) << ERROR_SUCCESS << false
                                          << QByteArray();
}

void TestRegistryFunctions::writes()
{
    Fixture f;
    QFETCH(QVariant, value);
    QFETCH(quint32, type);
    QFETCH(qint32, code);
    QFETCH(bool, written);
    QFETCH(QByteArray, bytes);

    const QString name = QStringLiteral("Value");
    QCOMPARE(f.registry.SetValueEx(RegKey{kTextBoard}, name, type, value), code);
    const std::optional<RegData> stored = f.store.value(kTextBoard, name);
    QCOMPARE(stored.has_value(), written);
    if (written)
        QCOMPARE(*stored, (RegData{type, bytes}));

    // The outer operation writes the same, and so does a batch of one.
    f.store.deleteValue(kTextBoard, name);
    f.registry.SetKeyValue(HKEY_CURRENT_USER, kTextBoard, name, value, type);
    QCOMPARE(f.store.value(kTextBoard, name), stored);
    f.store.deleteValue(kTextBoard, name);
    f.registry.SetKeyValues(RegKey{kQuorvil}, {RegKeyValue{QStringLiteral("TextBoard"), name, value, type}});
    QCOMPARE(f.store.value(kTextBoard, name), stored);
}

void TestRegistryFunctions::reads_data()
{
    QTest::addColumn<RegData>("data");
    QTest::addColumn<QString>("result");

    QTest::newRow("text") << RegData{REG_SZ, "Arial"} << "text:Arial";
    QTest::newRow("non-ASCII text") << RegData{REG_SZ, QStringLiteral("漢字 ü").toUtf8()} << "text:漢字 ü";
    QTest::newRow("zero-length text") << RegData{REG_SZ, {}} << "empty";
    QTest::newRow("terminating NUL") << RegData{REG_SZ, QByteArray("Arial\0", 6)} << "text:Arial";
    QTest::newRow("embedded NUL") << RegData{REG_SZ, QByteArray("Ari\0al", 6)} << "text:Ari";
    QTest::newRow("only a NUL") << RegData{REG_SZ, QByteArray("\0", 1)} << "text:";
    QTest::newRow("Latin-1 bytes") << RegData{REG_SZ, "caf\xe9.txt"} << "text:" + decodeFileName("caf\xe9.txt");
    QTest::newRow("number") << RegData{REG_DWORD, dword(300)} << "number:300";
    QTest::newRow("system colour") << RegData{REG_DWORD, dword(0x80000008)} << "number:-2147483640";
    QTest::newRow("dword of two bytes") << RegData{REG_DWORD, QByteArray("\x01\x02", 2)} << "empty";
    QTest::newRow("binary") << RegData{REG_BINARY, "True"} << "empty";
    QTest::newRow("multi-text") << RegData{7, QByteArray("a\0\0", 3)} << "empty";
}

void TestRegistryFunctions::reads()
{
    Fixture f;
    QFETCH(RegData, data);
    QFETCH(QString, result);

    f.store.plant(kTextBoard, QStringLiteral("Planted"), data);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("Planted"))), result);
    // Only a missing value or key is a failed read; a value of another type just reads empty.
    QVERIFY(!globals().gRegError);
}

void TestRegistryFunctions::writesNeedTheKey()
{
    Fixture f;
    const QString missing = kQuorvil + QStringLiteral("\\Options");
    f.registry.SetKeyValue(HKEY_CURRENT_USER, missing, QStringLiteral("ToolTips"), true, REG_SZ);
    QVERIFY(!f.store.keyExists(missing));
    QCOMPARE(f.registry.SetValueEx(RegKey{missing}, QStringLiteral("ToolTips"), REG_SZ, true), ERROR_CANTWRITE);
    QVERIFY(!f.store.keyExists(missing));

    f.registry.CreateNewKey(HKEY_CURRENT_USER, missing);
    f.registry.SetKeyValue(HKEY_CURRENT_USER, missing, QStringLiteral("ToolTips"), true, REG_SZ);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, missing, QStringLiteral("ToolTips"))),
             QStringLiteral("text:True"));
}

void TestRegistryFunctions::keysAndValues()
{
    Fixture f;
    // A key opened below another handle is found by the joined path.
    f.registry.CreateNewKey(RegKey{kQuorvil}, QStringLiteral("CFMEditor\\Deep"));
    QVERIFY(f.store.keyExists(kQuorvil + QStringLiteral("\\CFMEditor\\Deep")));
    f.registry.SetKeyValue(RegKey{kQuorvil}, QStringLiteral("CFMEditor"), QStringLiteral("ListCols"), 10, REG_DWORD);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kQuorvil + QStringLiteral("\\CFMEditor"),
                                            QStringLiteral("ListCols"))),
             QStringLiteral("number:10"));

    // Names match without regard to case; the first spelling stays.
    f.registry.SetKeyValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("FontName"), QStringLiteral("Arial"), REG_SZ);
    f.registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("SOFTWARE\\quorvil\\textboard"), QStringLiteral("FONTNAME"),
                           QStringLiteral("Verdana"), REG_SZ);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("fontname"))),
             QStringLiteral("text:Verdana"));
    QCOMPARE(f.store.tree().root().subkeys.front().subkeys.front().subkeys.size(), size_t(2));

    // The repair's DeleteKey of the top key is refused while it has subkeys: its values stay.
    f.registry.SetKeyValue(HKEY_CURRENT_USER, kQuorvil, QStringLiteral("MV"), 300, REG_DWORD);
    f.registry.DeleteKey(HKEY_CURRENT_USER, kQuorvil);
    QCOMPARE(describe(f.registry.QueryValue(HKEY_CURRENT_USER, kQuorvil, QStringLiteral("MV"))),
             QStringLiteral("number:300"));

    f.registry.DeleteKey(HKEY_CURRENT_USER, kQuorvil + QStringLiteral("\\CFMEditor\\Deep"));
    f.registry.DeleteKey(HKEY_CURRENT_USER, kQuorvil + QStringLiteral("\\CFMEditor"));
    QVERIFY(!f.store.keyExists(kQuorvil + QStringLiteral("\\CFMEditor")));

    f.registry.DeleteValue(HKEY_CURRENT_USER, kTextBoard, QStringLiteral("FONTNAME"));
    QVERIFY(!f.store.value(kTextBoard, QStringLiteral("FontName")));
}

void TestRegistryFunctions::conversions_data()
{
    QTest::addColumn<RegValue>("value");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("number"); // invalid: nullopt
    QTest::addColumn<QVariant>("boolean");

    const QVariant none;
    QTest::newRow("empty") << RegValue() << true << "" << none << none;
    QTest::newRow("empty text") << RegValue(QString()) << false << "" << none << none;
    QTest::newRow("True") << RegValue(QStringLiteral("True")) << false << "True" << none << QVariant(true);
    QTest::newRow("False") << RegValue(QStringLiteral("False")) << false << "False" << none << QVariant(false);
    QTest::newRow("true in lower case") << RegValue(QStringLiteral("true")) << false << "true" << none << QVariant(true);
    QTest::newRow("digit 1") << RegValue(QStringLiteral("1")) << false << "1" << QVariant(1) << QVariant(true);
    QTest::newRow("digit 0") << RegValue(QStringLiteral("0")) << false << "0" << QVariant(0) << QVariant(false);
    QTest::newRow("other word") << RegValue(QStringLiteral("Yes")) << false << "Yes" << none << none;
    QTest::newRow("text 300") << RegValue(QStringLiteral("300")) << false << "300" << QVariant(300) << QVariant(true);
    QTest::newRow("text 2.5") << RegValue(QStringLiteral("2.5")) << false << "2.5" << QVariant(2) << QVariant(true);
    QTest::newRow("number 0") << RegValue(qint32(0)) << false << "0" << QVariant(0) << QVariant(false);
    QTest::newRow("number 1") << RegValue(qint32(1)) << false << "1" << QVariant(1) << QVariant(true);
    QTest::newRow("negative number") << RegValue(qint32(-2147483640)) << false << "-2147483640" << QVariant(-2147483640)
                                     << QVariant(true);
}

void TestRegistryFunctions::conversions()
{
    QFETCH(RegValue, value);
    QFETCH(bool, empty);
    QFETCH(QString, text);
    QFETCH(QVariant, number);
    QFETCH(QVariant, boolean);

    QCOMPARE(regIsEmpty(value), empty);
    QCOMPARE(regToText(value), text);
    const std::optional<qint32> asNumber = regToNumber(value);
    QCOMPARE(asNumber.has_value(), number.isValid());
    if (asNumber)
        QCOMPARE(*asNumber, number.toInt());
    const std::optional<bool> asBool = regToBool(value);
    QCOMPARE(asBool.has_value(), boolean.isValid());
    if (asBool)
        QCOMPARE(*asBool, boolean.toBool());
}

void TestRegistryFunctions::settingsBatchTakesTheLayoutsTypes()
{
    const QList<SettingWrite> values{
        {QStringLiteral("TextBoard"), QStringLiteral("FontSize"), QStringLiteral("14")},
        {QStringLiteral("Views"), QStringLiteral("ZoomSize"), 72},
        {QStringLiteral("FontMap"), QStringLiteral("Hilite"), true},
        {QStringLiteral("FontMap"), QStringLiteral("ForeColor"), quint32(0x80000008)},
        {QString(), QStringLiteral("MV"), 300},
        {QStringLiteral("MRU"), QStringLiteral("1"), QString()},
        // No key yet: skipped, as a single write would be.
        {QStringLiteral("Options"), QStringLiteral("ToolTips"), true},
    };
    const auto storeWithKeys = [](MemoryRegistry &store) {
        for (const char *key : {"TextBoard", "Views", "FontMap", "MRU"})
            store.createKey(SettingsLayout::keyPath(QString::fromLatin1(key)));
    };

    MemoryRegistry one;
    storeWithKeys(one);
    SettingsAccess single(one);
    for (const SettingWrite &v : values)
        single.write(v.key, v.name, v.value);
    MemoryRegistry many;
    storeWithKeys(many);
    SettingsAccess(many).writeMany(values);
    QVERIFY(many.tree() == one.tree());

    QCOMPARE(many.value(kTextBoard, QStringLiteral("FontSize")), (RegData{REG_DWORD, dword(14)}));
    QCOMPARE(many.value(SettingsLayout::keyPath(QStringLiteral("Views")), QStringLiteral("ZoomSize")),
             (RegData{REG_SZ, "72"}));
    QCOMPARE(many.value(SettingsLayout::keyPath(QStringLiteral("FontMap")), QStringLiteral("Hilite")),
             (RegData{REG_SZ, "True"}));
    QCOMPARE(many.value(kQuorvil, QStringLiteral("MV")), (RegData{REG_DWORD, dword(300)}));
    QVERIFY(!many.keyExists(SettingsLayout::keyPath(QStringLiteral("Options"))));
}

QTEST_GUILESS_MAIN(TestRegistryFunctions)
#include "tst_registryfunctions.moc"

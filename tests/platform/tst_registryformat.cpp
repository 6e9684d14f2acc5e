#include "support/TestMain.h"

#include "core/RegistryTree.h"
#include "platform/RegeditFormat.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>

namespace {

const QString kKey = QStringLiteral("Software\\Quorvil\\Views");

QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(QUORVIL_TEST_DATA "/registry/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The one value line a tree holding only that value in kKey is written with.
QByteArray valueLine(const QString &name, const RegData &data)
{
    RegistryTree tree;
    tree.createKey(kKey);
    tree.setValue(kKey, name, data);
    const QByteArray text = writeRegedit(tree);
    const QByteArray section = "[HKEY_CURRENT_USER\\Software\\Quorvil\\Views]\n";
    const qsizetype start = text.indexOf(section) + section.size();
    return text.mid(start, text.size() - start - 2);
}

QByteArray regedit(const QByteArray &body)
{
    return "REGEDIT4\n\n" + body;
}

// The text as the Windows registry editor writes it: UTF-16LE behind a byte-order mark.
QByteArray utf16(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xff\xfe") + QByteArray(encoder(text));
}

} // namespace

class TestRegistryFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storeFileReadsAndWritesBack();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void longHexIsWrapped();
    void namesMatchWithoutCase();
    void keyOperations();
    void malformedNamesAreRefused_data();
    void malformedNamesAreRefused();
    void acceptsExportVariants_data();
    void acceptsExportVariants();
    void refusesDamagedText_data();
    void refusesDamagedText();
    void truncationIsNoticedAnywhere();
    void binaryJunkIsRefused();
    void sizeIsBounded();
};

void TestRegistryFormat::storeFileReadsAndWritesBack()
{
    const QByteArray text = readFixture(QStringLiteral("settings.reg"));
    QVERIFY(!text.isEmpty());
    const RegeditParse parsed = parseRegedit(text);
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    const RegistryTree &tree = *parsed.tree;

    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil"), QStringLiteral("MV")),
             (RegData{REG_DWORD, QByteArray("\x2c\x01\x00\x00", 4)}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("ForeColor")),
             (RegData{REG_DWORD, QByteArray("\x08\x00\x00\x80", 4)}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\FB"), QStringLiteral("SampleText")),
             (RegData{REG_SZ, QStringLiteral("She said \"\\o/\" – éè € 漢字").toUtf8()}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\MRU"), QStringLiteral("1")),
             (RegData{REG_SZ, QByteArray("/home/ann/a.txt\0", 16)}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\MRU"), QStringLiteral("2")), (RegData{REG_SZ, {}}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\Options"), QStringLiteral("Planted")),
             (RegData{REG_BINARY, QByteArray("\x00\x01\xfe\xff", 4)}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\Options"), QStringLiteral("Lines"))->bytes.size(), 60);
    QVERIFY(tree.keyExists(QStringLiteral("Software\\Quorvil\\Temp")));

    // The writer gives the same file back, byte for byte, so the layout is the one shown there.
    QCOMPARE(writeRegedit(tree), text);
}

void TestRegistryFormat::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<RegData>("data");
    QTest::addColumn<QByteArray>("line");

    const auto sz = [](const QString &text) { return RegData{REG_SZ, text.toUtf8()}; };
    QTest::newRow("text") << "FontName" << sz("Arial") << QByteArray(R"("FontName"="Arial")");
    QTest::newRow("quotes and backslashes")
        << R"(Say "hi" \ bye)" << sz(R"("C:\My Documents\" \\)")
        << QByteArray(R"("Say \"hi\" \\ bye"="\"C:\\My Documents\\\" \\\\")");
    QTest::newRow("non-ASCII") << "Größe" << sz("Café € 漢字 🙂")
                               << QStringLiteral("\"Größe\"=\"Café € 漢字 🙂\"").toUtf8();
    QTest::newRow("empty text") << "Empty" << sz("") << QByteArray(R"("Empty"="")");
    QTest::newRow("tab stays quoted") << "Tab" << sz("a\tb") << QByteArray("\"Tab\"=\"a\tb\"");
    QTest::newRow("default value") << "" << sz("d") << QByteArray(R"(@="d")");
    QTest::newRow("embedded NUL") << "Nul" << RegData{REG_SZ, QByteArray("ab\0c", 4)}
                                  << QByteArray("\"Nul\"=hex(1):61,62,00,63");
    QTest::newRow("terminating NUL") << "Term" << RegData{REG_SZ, QByteArray("ab\0", 3)}
                                     << QByteArray("\"Term\"=hex(1):61,62,00");
    QTest::newRow("line break") << "Lines" << sz("a\r\nb") << QByteArray("\"Lines\"=hex(1):61,0d,0a,62");
    QTest::newRow("not UTF-8") << "Latin1" << RegData{REG_SZ, QByteArray("caf\xe9")}
                               << QByteArray("\"Latin1\"=hex(1):63,61,66,e9");
    QTest::newRow("dword") << "MV" << RegData{REG_DWORD, QByteArray("\x2c\x01\x00\x00", 4)}
                           << QByteArray(R"("MV"=dword:0000012c)");
    QTest::newRow("dword all bits") << "Neg" << RegData{REG_DWORD, QByteArray(4, '\xff')}
                                    << QByteArray(R"("Neg"=dword:ffffffff)");
    QTest::newRow("dword of two bytes") << "Short" << RegData{REG_DWORD, QByteArray("\x01\x02", 2)}
                                        << QByteArray(R"("Short"=hex(4):01,02)");
    QTest::newRow("binary") << "Bin" << RegData{REG_BINARY, QByteArray("\x00\xff", 2)}
                            << QByteArray(R"("Bin"=hex:00,ff)");
    QTest::newRow("empty binary") << "None" << RegData{REG_BINARY, {}} << QByteArray(R"("None"=hex:)");
    QTest::newRow("type 0") << "Zero" << RegData{0, QByteArray("x")} << QByteArray(R"("Zero"=hex(0):78)");
    QTest::newRow("large type") << "Big" << RegData{0xABCDEF12u, QByteArray("x")}
                                << QByteArray(R"("Big"=hex(abcdef12):78)");
}

void TestRegistryFormat::valuesRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(RegData, data);
    QFETCH(QByteArray, line);

    QCOMPARE(valueLine(name, data), line);

    RegistryTree tree;
    tree.createKey(kKey);
    QVERIFY(tree.setValue(kKey, name, data));
    const RegeditParse parsed = parseRegedit(writeRegedit(tree));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(kKey, name), data);
    QVERIFY(*parsed.tree == tree);
}

void TestRegistryFormat::longHexIsWrapped()
{
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += char(i);
    const RegData data{7, bytes};
    const QByteArray line = valueLine(QStringLiteral("Long"), data);
    const QList<QByteArray> lines = line.split('\n');
    QVERIFY(lines.size() > 10);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines[i].size() <= 80, lines[i].constData());
        QCOMPARE(lines[i].endsWith(",\\"), i + 1 < lines.size());
        QCOMPARE(lines[i].startsWith("  "), i > 0);
    }

    RegistryTree tree;
    tree.createKey(kKey);
    tree.setValue(kKey, QStringLiteral("Long"), data);
    QCOMPARE(parseRegedit(writeRegedit(tree)).tree->value(kKey, QStringLiteral("Long")), data);
}

void TestRegistryFormat::namesMatchWithoutCase()
{
    RegistryTree tree;
    QVERIFY(tree.createKey(QStringLiteral("Software\\Quorvil\\TextBoard")));
    QVERIFY(tree.createKey(QStringLiteral("SOFTWARE\\quorvil\\TEXTBOARD")));
    QCOMPARE(tree.root().subkeys.size(), size_t(1));
    QVERIFY(tree.setValue(QStringLiteral("Software\\Quorvil\\TextBoard"), QStringLiteral("FontName"), {REG_SZ, "Arial"}));
    QVERIFY(tree.setValue(QStringLiteral("software\\QUORVIL\\textboard"), QStringLiteral("FONTNAME"), {REG_SZ, "Verdana"}));
    QVERIFY(tree.setValue(QStringLiteral("Software\\Quorvil\\TextBoard"), QStringLiteral("Größe"), {REG_SZ, "1"}));
    QCOMPARE(tree.value(QStringLiteral("SoftWare\\QuorVil\\TextBoard"), QStringLiteral("fontname")),
             (RegData{REG_SZ, "Verdana"}));
    QCOMPARE(tree.value(QStringLiteral("Software\\Quorvil\\TextBoard"), QStringLiteral("GRÖßE")), (RegData{REG_SZ, "1"}));

    // Written with the case of the first writing.
    const QByteArray text = writeRegedit(tree);
    QVERIFY(text.contains("[HKEY_CURRENT_USER\\Software\\Quorvil\\TextBoard]\n\"FontName\"=\"Verdana\"\n"));
    QVERIFY(!text.contains("TEXTBOARD"));

    // A file that spells a key twice, in two cases, merges them.
    const RegeditParse parsed = parseRegedit(regedit("[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\n\n"
                                                     "[hkey_current_user\\a]\n\"X\"=\"2\"\n\"y\"=\"3\"\n\n"));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->root().subkeys.size(), size_t(1));
    QCOMPARE(parsed.tree->value(QStringLiteral("A"), QStringLiteral("x")), (RegData{REG_SZ, "2"}));
    QCOMPARE(parsed.tree->value(QStringLiteral("A"), QStringLiteral("Y")), (RegData{REG_SZ, "3"}));
}

void TestRegistryFormat::keyOperations()
{
    RegistryTree tree;
    const QString quorvil = QStringLiteral("Software\\Quorvil");
    QVERIFY(!tree.setValue(quorvil, QStringLiteral("MV"), {REG_DWORD, QByteArray(4, '\0')}));
    QVERIFY(!tree.keyExists(quorvil));

    QVERIFY(tree.createKey(quorvil + QStringLiteral("\\Bars")));
    QVERIFY(tree.keyExists(QStringLiteral("Software")));
    QVERIFY(tree.keyExists(quorvil));
    QVERIFY(tree.keyExists(QString())); // HKEY_CURRENT_USER itself
    QVERIFY(tree.setValue(quorvil, QStringLiteral("MV"), {REG_DWORD, QByteArray(4, '\0')}));

    QVERIFY(!tree.deleteKey(quorvil));   // it has a subkey: refused, values kept
    QVERIFY(tree.value(quorvil, QStringLiteral("MV")));
    QVERIFY(!tree.deleteKey(QString())); // never the top
    QVERIFY(!tree.deleteKey(quorvil + QStringLiteral("\\Missing")));
    QVERIFY(tree.deleteKey(quorvil + QStringLiteral("\\BARS")));
    QVERIFY(!tree.keyExists(quorvil + QStringLiteral("\\Bars")));
    QVERIFY(tree.deleteKey(quorvil));
    QVERIFY(!tree.value(quorvil, QStringLiteral("MV")));
    QVERIFY(tree.keyExists(QStringLiteral("Software")));

    // Deleting from the middle keeps the others found and in order.
    QVERIFY(tree.createKey(quorvil));
    for (const char *name : {"a", "b", "c", "d"})
        QVERIFY(tree.setValue(quorvil, QString::fromLatin1(name), {REG_SZ, name}));
    QVERIFY(tree.deleteValue(quorvil, QStringLiteral("B")));
    QVERIFY(!tree.deleteValue(quorvil, QStringLiteral("b")));
    QCOMPARE(tree.value(quorvil, QStringLiteral("c")), (RegData{REG_SZ, "c"}));
    QCOMPARE(tree.value(quorvil, QStringLiteral("d")), (RegData{REG_SZ, "d"}));
    QVERIFY(writeRegedit(tree).contains("\"a\"=\"a\"\n\"c\"=\"c\"\n\"d\"=\"d\"\n"));
}

void TestRegistryFormat::malformedNamesAreRefused_data()
{
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("valueName");

    QTest::newRow("leading backslash") << "\\Software" << "v";
    QTest::newRow("trailing backslash") << "Software\\" << "v";
    QTest::newRow("doubled backslash") << "Software\\\\Quorvil" << "v";
    QTest::newRow("line break in key") << "Soft\nware" << "v";
    QTest::newRow("key name of 256") << QString(256, QLatin1Char('k')) << "v";
    QTest::newRow("513 levels") << QStringList(513, QStringLiteral("k")).join(QLatin1Char('\\')) << "v";
    QTest::newRow("line break in value name") << "Software" << "a\nb";
    QTest::newRow("NUL in value name") << "Software" << QString(QChar(0)) + QStringLiteral("x");
    QTest::newRow("value name of 16384") << "Software" << QString(16384, QLatin1Char('v'));
}

void TestRegistryFormat::malformedNamesAreRefused()
{
    QFETCH(QString, keyPath);
    QFETCH(QString, valueName);

    RegistryTree tree;
    const bool keyCreated = tree.createKey(keyPath);
    QCOMPARE(keyCreated, keyPath == QLatin1String("Software"));
    QVERIFY(!tree.setValue(keyPath, valueName, {REG_SZ, "x"}));
    QCOMPARE(tree.root().subkeys.size(), size_t(keyCreated ? 1 : 0));
    QVERIFY(parseRegedit(writeRegedit(tree)).tree);

    // The longest names allowed are kept.
    QVERIFY(tree.createKey(QString(255, QLatin1Char('k'))));
    QVERIFY(tree.createKey(QStringList(512, QStringLiteral("k")).join(QLatin1Char('\\'))));
    QVERIFY(tree.setValue(QString(255, QLatin1Char('k')), QString(16383, QLatin1Char('v')), {REG_SZ, "x"}));
}

void TestRegistryFormat::acceptsExportVariants_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<RegData>("data");

    QTest::newRow("CR LF line ends") << QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"x\"\r\n\r\n")
                                     << "A" << "v" << RegData{REG_SZ, "x"};
    QTest::newRow("comments and spaces") << regedit("; exported\n[HKEY_CURRENT_USER\\A]  \n  \n\"v\"=\"x\"  \n\n")
                                         << "A" << "v" << RegData{REG_SZ, "x"};
    QTest::newRow("continued hex, spaced")
        << regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=hex(7):41, 42,\\\n    43 ,44\n\n")
        << "A" << "v" << RegData{7, "ABCD"};
    QTest::newRow("upper-case hex") << regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=hex(B):FF,0A\n\n")
                                    << "A" << "v" << RegData{11, "\xff\n"};
    QTest::newRow("short dword") << regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=dword:1F\n\n")
                                 << "A" << "v" << RegData{REG_DWORD, QByteArray("\x1f\0\0\0", 4)};
    QTest::newRow("values of the top") << regedit("[HKEY_CURRENT_USER]\n@=\"top\"\n\n")
                                       << "" << "" << RegData{REG_SZ, "top"};
    QTest::newRow("bracket in a key name") << regedit("[HKEY_CURRENT_USER\\a]b]\n\"v\"=\"x\"\n\n")
                                           << "a]b" << "v" << RegData{REG_SZ, "x"};
    QTest::newRow("no blank line after the header") << QByteArray("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\"\n\n")
                                                    << "A" << "v" << RegData{REG_SZ, "x"};
    // Editors commonly trim a file's last blank line; its last value is still whole.
    QTest::newRow("closing blank line trimmed") << regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\"\n") << "A" << "v"
                                                << RegData{REG_SZ, "x"};
    QTest::newRow("ends with a key") << regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\"\n\n[HKEY_CURRENT_USER\\B]\n")
                                     << "A" << "v" << RegData{REG_SZ, "x"};
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray("\xef\xbb\xbf") + regedit("[HKEY_CURRENT_USER\\A]\n\"v\"=\"caf\xc3\xa9\"\n\n") << "A" << "v"
        << RegData{REG_SZ, "caf\xc3\xa9"};
    QTest::newRow("CR line ends") << QByteArray("REGEDIT4\r\r[HKEY_CURRENT_USER\\A]\r\"v\"=hex:41,\\\r  42\r\r") << "A"
                                  << "v" << RegData{REG_BINARY, "AB"};
    const QString windowsExport = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                                 "[HKEY_CURRENT_USER\\Software\\Quorvil\\FB]\r\n"
                                                 "\"SampleText\"=\"Caf\u00e9 \u20ac \u6f22\u5b57 \U0001F642\"\r\n"
                                                 "\"N\"=dword:0000012c\r\n\r\n");
    const QString sample = QStringLiteral("Caf\u00e9 \u20ac \u6f22\u5b57 \U0001F642");
    QTest::newRow("Windows export, its text") << utf16(windowsExport) << "Software\\Quorvil\\FB" << "SampleText"
                                              << RegData{REG_SZ, sample.toUtf8()};
    QTest::newRow("Windows export, its number") << utf16(windowsExport) << "Software\\Quorvil\\FB" << "N"
                                                << RegData{REG_DWORD, QByteArray("\x2c\x01\0\0", 4)};
    QTest::newRow("Windows export header in UTF-8")
        << QByteArray("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\"\n") << "A" << "v"
        << RegData{REG_SZ, "x"};
}

void TestRegistryFormat::acceptsExportVariants()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, keyPath);
    QFETCH(QString, name);
    QFETCH(RegData, data);

    const RegeditParse parsed = parseRegedit(text);
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(keyPath, name), data);
}

void TestRegistryFormat::refusesDamagedText_data()
{
    QTest::addColumn<QByteArray>("text");

    const QByteArray key = "[HKEY_CURRENT_USER\\A]\n";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header only, cut") << QByteArray("REGEDIT4");
    QTest::newRow("version 4 header of Windows") << QByteArray("Windows Registry Editor Version 4.00\n\n");
    QTest::newRow("header in lower case") << QByteArray("regedit4\n\n");
    QTest::newRow("garbled line") << regedit(key + "FontName=Arial\n\n");
    QTest::newRow("value before any key") << regedit("\"v\"=\"x\"\n\n");
    QTest::newRow("unterminated string") << regedit(key + "\"v\"=\"Ari\n\n");
    QTest::newRow("unterminated name") << regedit(key + "\"v=\"x\"\n\n");
    QTest::newRow("text after string") << regedit(key + "\"v\"=\"x\"y\n\n");
    QTest::newRow("unknown escape") << regedit(key + "\"v\"=\"a\\nb\"\n\n");
    QTest::newRow("no equals sign") << regedit(key + "\"v\" \"x\"\n\n");
    QTest::newRow("nine-digit dword") << regedit(key + "\"v\"=dword:000000001\n\n");
    QTest::newRow("dword not hex") << regedit(key + "\"v\"=dword:12g4\n\n");
    QTest::newRow("empty dword") << regedit(key + "\"v\"=dword:\n\n");
    QTest::newRow("three-digit hex byte") << regedit(key + "\"v\"=hex:123\n\n");
    QTest::newRow("empty hex item") << regedit(key + "\"v\"=hex:12,,34\n\n");
    QTest::newRow("hex type unclosed") << regedit(key + "\"v\"=hex(7:41\n\n");
    QTest::newRow("continuation at the end") << regedit(key + "\"v\"=hex:41,\\\n");
    QTest::newRow("unknown data") << regedit(key + "\"v\"=qword:1\n\n");
    QTest::newRow("other root") << regedit("[HKEY_LOCAL_MACHINE\\A]\n\n");
    QTest::newRow("root name run on") << regedit("[HKEY_CURRENT_USERS\\A]\n\n");
    QTest::newRow("key deletion") << regedit("[-HKEY_CURRENT_USER\\A]\n\n");
    QTest::newRow("value deletion") << regedit(key + "\"v\"=-\n\n");
    QTest::newRow("unclosed key") << regedit("[HKEY_CURRENT_USER\\A\n\n");
    QTest::newRow("empty key name") << regedit("[HKEY_CURRENT_USER\\A\\\\B]\n\n");
    QTest::newRow("NUL byte") << regedit(key + QByteArray("\"v\"=\"a\0b\"\n\n", 12));
    QTest::newRow("stray CR") << regedit(key + "\"v\"=\"a\rb\"\n\n");
    QTest::newRow("name not UTF-8") << regedit(key + "\"caf\xe9\"=\"x\"\n\n");
    QTest::newRow("key not UTF-8") << regedit("[HKEY_CURRENT_USER\\caf\xe9]\n\n");
    QTest::newRow("last line cut") << regedit(key + "\"v\"=\"x\"");
    QTest::newRow("last line cut where it reads as a value") << regedit(key + "\"v\"=dword:12c");
    QTest::newRow("UTF-16 without its byte-order mark") << utf16(QString::fromLatin1(regedit(key))).sliced(2);
    QTest::newRow("UTF-16 cut inside a character") << utf16(QString::fromLatin1(regedit(key))).chopped(1);
    QTest::newRow("UTF-16, last line cut") << utf16(QString::fromLatin1(regedit(key + "\"v\"=\"x\"")));
    QTest::newRow("UTF-16, a lone surrogate") << utf16(QString::fromLatin1(regedit(key + "\"v\"=\"")) + QChar(0xD800)
                                                        + QStringLiteral("\"\n\n"));
}

void TestRegistryFormat::refusesDamagedText()
{
    QFETCH(QByteArray, text);

    const RegeditParse parsed = parseRegedit(text);
    QVERIFY(!parsed.tree);
    QVERIFY(!parsed.error.isEmpty());
}

void TestRegistryFormat::truncationIsNoticedAnywhere()
{
    // A file cut short parses only where the cut falls at the end of a line that is whole
    // (not one that a value continues beyond); a cut inside a line is noticed.
    const QByteArray text = readFixture(QStringLiteral("settings.reg"));
    QVERIFY(!text.isEmpty());
    for (qsizetype size = 0; size < text.size(); ++size) {
        const QByteArray cut = text.left(size);
        const bool atLineEnd = cut.endsWith('\n') && !cut.endsWith("\\\n");
        QVERIFY2(bool(parseRegedit(cut).tree) == atLineEnd, qPrintable(QStringLiteral("cut at %1").arg(size)));
    }
}

void TestRegistryFormat::binaryJunkIsRefused()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk(qsizetype(random.bounded(1, 4096)), Qt::Uninitialized);
        for (char &c : junk)
            c = char(random.bounded(256));
        QVERIFY(!parseRegedit(junk).tree);
        // Behind a valid start, junk still never yields a tree that does not write back.
        const RegeditParse parsed = parseRegedit(regedit("[HKEY_CURRENT_USER\\A]\n") + junk);
        if (parsed.tree) {
            const RegeditParse again = parseRegedit(writeRegedit(*parsed.tree));
            QVERIFY(again.tree && *again.tree == *parsed.tree);
        }
    }

    QFile program(QCoreApplication::applicationFilePath());
    QVERIFY(program.open(QIODevice::ReadOnly));
    QVERIFY(!parseRegedit(program.read(kMaxRegeditBytes)).tree);
}

void TestRegistryFormat::sizeIsBounded()
{
    const QByteArray ending = "[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\"\n\n";
    QByteArray text = "REGEDIT4\n\n";
    const QByteArray comment = ';' + QByteArray(98, 'c') + '\n';
    while (text.size() + comment.size() + ending.size() <= kMaxRegeditBytes)
        text += comment;
    text += QByteArray(kMaxRegeditBytes - text.size() - ending.size() - 1, ' ') + '\n' + ending;
    QCOMPARE(text.size(), kMaxRegeditBytes);
    QVERIFY(parseRegedit(text).tree);
    QVERIFY(!parseRegedit(text + '\n').tree);
}

QUORVIL_TEST_MAIN(TestRegistryFormat)
#include "tst_registryformat.moc"

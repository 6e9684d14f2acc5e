#include "support/TestMain.h"

#include "platform/FcFontCatalog.h"
#include "platform/fakes/FakeFontCatalog.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QSet>

#include <vector>

using namespace FontRecordValues;

namespace {

const QString kSymbolFamily = QStringLiteral("Quorvil Symbol Test");
const QString kBoldOnlyFamily = QStringLiteral("Quorvil Bold Only");

struct Enumerated
{
    QString name;
    int type = -1;
    EnumLogFont logFont;
    NewTextMetric textMetric;
};

std::vector<Enumerated> enumerate(const FontCatalog &catalog)
{
    std::vector<Enumerated> all;
    catalog.enumFontFamilies([&all](const EnumLogFont &lf, const NewTextMetric &tm, int type) {
        all.push_back({lf.faceName(), type, lf, tm});
        return 1;
    });
    return all;
}

const Enumerated *findFamily(const std::vector<Enumerated> &all, const QString &name)
{
    for (const Enumerated &e : all) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

const FcFontCatalog &catalog()
{
    static const FcFontCatalog instance;
    return instance;
}

} // namespace

class TestFontCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneSortedEntryPerFamily();
    void enumerationStopsWhenToldTo();
    void fontTypeDigit_data();
    void fontTypeDigit();
    void bitmapFontType();
    void urwFamiliesKeepOnlyTheirOpenTypeFiles_data();
    void urwFamiliesKeepOnlyTheirOpenTypeFiles();
    void recordsAreThoseOfTheResolvedFace_data();
    void recordsAreThoseOfTheResolvedFace();
    void textMetricsOfDejaVuSans();
    void fontUsesTheResolvedFile_data();
    void fontUsesTheResolvedFile();
    void stylesAndForcedStyles_data();
    void stylesAndForcedStyles();
    void glyphPresenceFromTheFamilysOwnFile_data();
    void glyphPresenceFromTheFamilysOwnFile();
    void unknownFamily();
    void fakeCatalogListsWhatATestDeclares();
};

void TestFontCatalog::oneSortedEntryPerFamily()
{
    const std::vector<Enumerated> all = enumerate(catalog());
    QVERIFY(all.size() > 3);
    int trueType = 0;
    int others = 0;
    QSet<QString> seen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Enumerated &e = all[i];
        QVERIFY2(!seen.contains(e.name.toCaseFolded()), qPrintable(e.name));
        seen.insert(e.name.toCaseFolded());
        if (i > 0)
            QVERIFY2(all[i - 1].name.compare(e.name, Qt::CaseInsensitive) <= 0, qPrintable(e.name));
        QCOMPARE(e.textMetric.faceName(), e.name);
        QCOMPARE(e.logFont.row(LogFontRecord::FaceName).toString(), e.name);
        (e.type == 4 ? trueType : others) += 1;
    }
    QCOMPARE(trueType + others, int(all.size()));
    QVERIFY(trueType > 0);
    for (const QString &name : {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Condensed"), kSymbolFamily,
                                kBoldOnlyFamily}) {
        QVERIFY2(findFamily(all, name), qPrintable(name));
    }
    // Two enumerations hand over the same records, so no file is read twice.
    const std::vector<Enumerated> again = enumerate(catalog());
    QCOMPARE(again.size(), all.size());
    QCOMPARE(&again.front().textMetric.record(), &all.front().textMetric.record());
}

void TestFontCatalog::enumerationStopsWhenToldTo()
{
    int calls = 0;
    const int result = catalog().enumFontFamilies([&calls](const EnumLogFont &, const NewTextMetric &, int) {
        ++calls;
        return calls == 2 ? 0 : 1;
    });
    QCOMPARE(calls, 2);
    QCOMPARE(result, 0);
}

void TestFontCatalog::fontTypeDigit_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("type");
    QTest::newRow("TrueType") << QStringLiteral("DejaVu Sans") << 4;
    QTest::newRow("our own TrueType") << kSymbolFamily << 4;
    QTest::newRow("CFF OpenType") << QStringLiteral("Nimbus Sans") << 0;
    QTest::newRow("CFF only in italic") << QStringLiteral("Z003") << 0;
}

void TestFontCatalog::fontTypeDigit()
{
    QFETCH(QString, family);
    QFETCH(int, type);
    const std::vector<Enumerated> all = enumerate(catalog());
    const Enumerated *e = findFamily(all, family);
    if (!e)
        QSKIP(qPrintable(family + QStringLiteral(" is not installed")));
    QCOMPARE(e->type, type);
}

void TestFontCatalog::bitmapFontType()
{
    for (const Enumerated &e : enumerate(catalog())) {
        if (catalog().resolvedFace(e.name)->format != FontFormat::Bitmap)
            continue;
        QCOMPARE(e.type, 1);
        QCOMPARE(e.logFont.row(LogFontRecord::OutPrecision).toInt(), int(kOutStringPrecision));
        QCOMPARE(e.textMetric.record().tmPitchAndFamily & kTmpfTrueType, 0);
        return;
    }
    QSKIP("No bitmap font is installed (Debian rejects them by default)");
}

void TestFontCatalog::urwFamiliesKeepOnlyTheirOpenTypeFiles_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("D050000L") << QStringLiteral("D050000L");
    QTest::newRow("Standard Symbols PS") << QStringLiteral("Standard Symbols PS");
    QTest::newRow("Nimbus Roman") << QStringLiteral("Nimbus Roman");
}

void TestFontCatalog::urwFamiliesKeepOnlyTheirOpenTypeFiles()
{
    QFETCH(QString, family);
    const auto face = catalog().resolvedFace(family);
    if (!face)
        QSKIP("fonts-urw-base35 is not installed");
    QCOMPARE(face->format, FontFormat::Cff);
    QVERIFY2(face->file.endsWith(QStringLiteral(".otf")), qPrintable(face->file));
    // Qt sees the same single file: its database has no Type 1 twin under a foundry suffix.
    QVERIFY(QRawFont::fromFont(catalog().font(family, 12)).fontTable("CFF ").size() > 0);
}

void TestFontCatalog::recordsAreThoseOfTheResolvedFace_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("charset");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("italic");
    QTest::addColumn<int>("pitch");       // low bits of lfPitchAndFamily
    QTest::addColumn<int>("familyClass"); // high nibble

    QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans") << 0 << 400 << 0 << 2 << 0x20;
    QTest::newRow("DejaVu Sans Mono") << QStringLiteral("DejaVu Sans Mono") << 0 << 400 << 0 << 1 << 0x30;
    QTest::newRow("DejaVu Sans Light") << QStringLiteral("DejaVu Sans Light") << 0 << 200 << 0 << 2 << 0x20;
    QTest::newRow("Z003, only italic") << QStringLiteral("Z003") << 0 << 500 << 255 << 2 << 0x00;
    QTest::newRow("symbol charmap") << kSymbolFamily << 2 << 400 << 0 << 2 << 0x50;
    QTest::newRow("only bold") << kBoldOnlyFamily << 0 << 700 << 0 << 2 << 0x20;
}

void TestFontCatalog::recordsAreThoseOfTheResolvedFace()
{
    QFETCH(QString, family);
    QFETCH(int, charset);
    QFETCH(int, weight);
    QFETCH(int, italic);
    QFETCH(int, pitch);
    QFETCH(int, familyClass);

    const std::vector<Enumerated> all = enumerate(catalog());
    const Enumerated *e = findFamily(all, family);
    if (!e)
        QSKIP(qPrintable(family + QStringLiteral(" is not installed")));
    const LogFontRecord &lf = e->logFont.record();
    const TextMetricRecord &tm = e->textMetric.record();
    QCOMPARE(lf.lfFaceName, family);
    QCOMPARE(int(lf.lfCharSet), charset);
    QCOMPARE(int(tm.tmCharSet), charset);
    QCOMPARE(lf.lfWeight, weight);
    QCOMPARE(tm.tmWeight, weight);
    QCOMPARE(catalog().resolvedFace(family)->weight, weight);
    QCOMPARE(int(lf.lfItalic), italic);
    QCOMPARE(int(tm.tmItalic), italic);
    QCOMPARE(lf.lfPitchAndFamily & 0x03, pitch);
    QCOMPARE(lf.lfPitchAndFamily & 0xF0, familyClass);
    QCOMPARE(tm.tmPitchAndFamily & 0xF0, familyClass);
    QCOMPARE(bool(tm.tmPitchAndFamily & kTmpfFixedPitch), pitch == 2);
}

void TestFontCatalog::textMetricsOfDejaVuSans()
{
    // At the catalog's reference size (an em of 16 pixels) and at 20 pixels.
    const FcFontCatalog at20(20);
    for (const auto &[cat, em, expected] :
         {std::tuple<const FontCatalog *, int, QList<int>>{&catalog(), 16, {19, 15, 4, 3, 0}},
          std::tuple<const FontCatalog *, int, QList<int>>{&at20, 20, {24, 19, 5, 4, 0}}}) {
        const std::vector<Enumerated> all = enumerate(*cat);
        const Enumerated *e = findFamily(all, QStringLiteral("DejaVu Sans"));
        QVERIFY(e);
        const TextMetricRecord &tm = e->textMetric.record();
        QCOMPARE((QList<int>{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading}),
                 expected);
        QCOMPARE(int(tm.ntmSizeEM), 2048);
        QCOMPARE(e->logFont.record().lfHeight, tm.tmHeight);

        // Qt draws the same face with the same line metrics.
        QFont f = cat->font(QStringLiteral("DejaVu Sans"), 12);
        f.setPixelSize(em);
        const QFontMetrics qt(f);
        QCOMPARE(qt.ascent(), tm.tmAscent);
        QCOMPARE(qt.descent(), tm.tmDescent);
    }
}

void TestFontCatalog::fontUsesTheResolvedFile_data()
{
    QTest::addColumn<QString>("family");
    for (const char *name : {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Sans Light", "DejaVu Serif",
                             "Liberation Sans", "Nimbus Sans", "URW Bookman", "Z003", "Quorvil Bold Only",
                             "Quorvil Symbol Test"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestFontCatalog::fontUsesTheResolvedFile()
{
    QFETCH(QString, family);
    const auto face = catalog().resolvedFace(family);
    if (!face)
        QSKIP(qPrintable(family + QStringLiteral(" is not installed")));

    const QFont font = catalog().font(family, 14);
    QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
    QCOMPARE(font.pointSizeF(), 14.0);
    // The head table carries the file's checksum and dates: equal tables, same file.
    const QRawFont drawn = QRawFont::fromFont(font);
    const QRawFont file(face->file, 14.0);
    QVERIFY(drawn.isValid());
    QVERIFY(file.isValid());
    QCOMPARE(drawn.fontTable("head"), file.fontTable("head"));
    QCOMPARE(drawn.fontTable("name"), file.fontTable("name"));
}

void TestFontCatalog::stylesAndForcedStyles_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QList<bool>>("styles"); // regular, bold, italic, boldItalic, forcedBold, forcedItalic
    QTest::newRow("four faces") << QStringLiteral("DejaVu Sans") << QList<bool>{true, true, true, true, false, false};
    QTest::newRow("only bold") << kBoldOnlyFamily << QList<bool>{false, true, false, false, true, false};
    QTest::newRow("only italic") << QStringLiteral("Z003") << QList<bool>{false, false, true, false, false, true};
    QTest::newRow("one regular face") << kSymbolFamily << QList<bool>{true, false, false, false, false, false};
}

void TestFontCatalog::stylesAndForcedStyles()
{
    QFETCH(QString, family);
    QFETCH(QList<bool>, styles);
    if (!catalog().resolvedFace(family))
        QSKIP(qPrintable(family + QStringLiteral(" is not installed")));

    const FamilyStyles s = catalog().styles(family);
    QCOMPARE((QList<bool>{s.regular, s.bold, s.italic, s.boldItalic, s.forcedBold, s.forcedItalic}), styles);

    // What the catalog calls forced is what Qt shows with every style switched off. (Bold is a
    // weight of 600 or more; QFontInfo::bold() would call Z003's Medium bold.)
    QFont plain = catalog().font(family, 12);
    plain.setBold(false);
    plain.setItalic(false);
    const QFontInfo shown(plain);
    QCOMPARE(shown.weight() >= 600, s.forcedBold);
    QCOMPARE(shown.italic(), s.forcedItalic);
}

void TestFontCatalog::glyphPresenceFromTheFamilysOwnFile_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("missing");
    QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans") << QStringLiteral("A€ÿ") << QStringLiteral(u"\uF041\uE000");
    // A symbol face: codes at U+F0xx, and below U+0100 as Qt maps them; 0x7F and 0xE9 have none.
    QTest::newRow("symbol") << kSymbolFamily << QStringLiteral(u"\uF041A\uF0FF\u00FF")
                            << QStringLiteral(u"\uF07F\u007F\uF0E9\u00E9\u20AC");
    QTest::newRow("bold only, ASCII") << kBoldOnlyFamily << QStringLiteral("Az~") << QStringLiteral("é€");
}

void TestFontCatalog::glyphPresenceFromTheFamilysOwnFile()
{
    QFETCH(QString, family);
    QFETCH(QString, present);
    QFETCH(QString, missing);
    for (QChar ch : present)
        QVERIFY2(catalog().hasGlyph(family, ch), qPrintable(QString::number(ch.unicode(), 16)));
    for (QChar ch : missing)
        QVERIFY2(!catalog().hasGlyph(family, ch), qPrintable(QString::number(ch.unicode(), 16)));

    // Qt, with merging off, agrees glyph for glyph.
    const QRawFont raw = QRawFont::fromFont(catalog().font(family, 12));
    for (QChar ch : present + missing) {
        const bool drawn = raw.glyphIndexesForString(QString(ch)).value(0) != 0;
        QCOMPARE(drawn, catalog().hasGlyph(family, ch));
    }
}

void TestFontCatalog::unknownFamily()
{
    const QString name = QStringLiteral("No Such Family Here");
    QVERIFY(!catalog().resolvedFace(name));
    const FamilyStyles s = catalog().styles(name);
    QVERIFY(!s.regular && !s.bold && !s.forcedBold);
    QVERIFY(!catalog().hasGlyph(name, QLatin1Char('A')));
    QVERIFY(catalog().font(name, 10).styleStrategy() & QFont::NoFontMerging);
    // Names match as fontconfig and Qt match them: whatever the case.
    QCOMPARE(catalog().resolvedFace(QStringLiteral("dejavu sans"))->file, catalog().resolvedFace(QStringLiteral("DejaVu Sans"))->file);
}

void TestFontCatalog::fakeCatalogListsWhatATestDeclares()
{
    FontFace bold;
    bold.weight = 700;
    FakeFontCatalog fake({
        {QStringLiteral("Wingdings"), FontFormat::TrueType, {}, true, false, {}},
        {QStringLiteral("Arial Black"), FontFormat::TrueType, {bold}, false, false, QStringLiteral("€")},
        {QStringLiteral("MS Sans Serif"), FontFormat::Bitmap, {}, false, false, {}},
        {QStringLiteral("arial"), FontFormat::Cff, {}, false, false, {}},
    });
    const std::vector<Enumerated> all = enumerate(fake);
    QStringList names;
    QList<int> types;
    for (const Enumerated &e : all) {
        names << e.name;
        types << e.type;
    }
    QCOMPARE(names, QStringList({"arial", "Arial Black", "MS Sans Serif", "Wingdings"}));
    QCOMPARE(types, QList<int>({0, 4, 1, 4}));
    QCOMPARE(fake.recordReads(), 0);

    QCOMPARE(all[3].textMetric.row(TextMetricRecord::CharSet).toInt(), int(kSymbolCharset));
    QCOMPARE(all[1].logFont.row(LogFontRecord::Weight).toInt(), 700);
    QCOMPARE(all[1].textMetric.row(TextMetricRecord::Weight).toInt(), 700);
    QCOMPARE(fake.recordReads(), 2);

    QVERIFY(fake.styles(QStringLiteral("Arial Black")).forcedBold);
    QVERIFY(!fake.styles(QStringLiteral("arial")).forcedBold);
    QVERIFY(!fake.hasGlyph(QStringLiteral("Arial Black"), QChar(0x20AC)));
    QVERIFY(fake.hasGlyph(QStringLiteral("Arial Black"), QLatin1Char('A')));
    QVERIFY(!fake.hasGlyph(QStringLiteral("Nothing"), QLatin1Char('A')));
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestFontCatalog, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"))
#include "tst_fontcatalog.moc"

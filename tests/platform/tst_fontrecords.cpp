#include "support/TestMain.h"

#include "core/FontRecordsTable.h"
#include "fontmap/rules/FontFamilies.h"
#include "fontmap/rules/FontRecordsFromFace.h"

using namespace FontRecordValues;

Q_DECLARE_METATYPE(FaceTables)
Q_DECLARE_METATYPE(FontFace)

namespace {

FaceTables dejaVuSans()
{
    FaceTables t;
    t.unitsPerEm = 2048;
    t.winAscent = 1901;
    t.winDescent = 483;
    t.hheaAscender = 1901;
    t.hheaDescender = -483;
    t.avgCharWidth = 1038;
    t.advanceWidthMax = 3838;
    t.panoseFamily = 2;
    t.panoseSerifStyle = 11;
    t.panoseProportion = 3;
    t.firstChar = 0x20;
    t.lastChar = 0xFFFF;
    return t;
}

FontFace face(const QString &file, int weight, FaceSlant slant = FaceSlant::Roman, int width = 100)
{
    FontFace f;
    f.file = file;
    f.weight = weight;
    f.slant = slant;
    f.width = width;
    return f;
}

ListedFace listed(const QStringList &names, const FontFace &f, const QString &lang = QStringLiteral("en"))
{
    ListedFace l;
    for (const QString &n : names)
        l.names.append({n, lang});
    l.face = f;
    return l;
}

const FontFamily *familyNamed(const QList<FontFamily> &families, const QString &name)
{
    for (const FontFamily &f : families) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

} // namespace

class TestFontRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableReadsEachFontOnceWhenAsked();
    void tableOutsideItsRowsAndColumns();
    void textMetrics_data();
    void textMetrics();
    void pitchFamilyAndCharset_data();
    void pitchFamilyAndCharset();
    void familiesAndTheirResolvedFace();
    void familyNamesInTheListingLanguage();
    void stylesAFamilyForces_data();
    void stylesAFamilyForces();
};

void TestFontRecords::tableReadsEachFontOnceWhenAsked()
{
    QList<int> reads(3, 0);
    FontRecordTable<LogFontRecord> lf;
    FontRecordTable<TextMetricRecord> tm;
    for (int n = 0; n < 3; ++n) {
        auto source = std::make_shared<const FontRecordSource>(QStringLiteral("Face %1").arg(n), [&reads, n] {
            ++reads[n];
            FontRecordPair p;
            p.logFont.lfWeight = 100 * (n + 1);
            p.logFont.lfFaceName = QStringLiteral("not the face name");
            p.textMetric.tmHeight = 10 + n;
            return p;
        });
        // Grown one column at a time, as the enumeration callback does.
        lf.resize(n + 1);
        tm.resize(n + 1);
        lf.setColumn(n, EnumLogFont(source));
        tm.setColumn(n, NewTextMetric(source));
    }

    // The face names (and the copies the tables hold) cost no read.
    for (int n = 0; n < 3; ++n)
        QCOMPARE(lf.value(LogFontRecord::FaceName, n).toString(), QStringLiteral("Face %1").arg(n));
    QCOMPARE(reads, QList<int>({0, 0, 0}));

    // Font 1's metrics: one read, whichever table and row asks, however often.
    QCOMPARE(tm.value(TextMetricRecord::Height, 1).toInt(), 11);
    QCOMPARE(lf.value(LogFontRecord::Weight, 1).toInt(), 200);
    QCOMPARE(tm.value(TextMetricRecord::Height, 1).toInt(), 11);
    QCOMPARE(reads, QList<int>({0, 1, 0}));
    // The record's own face name is the enumerated one, not what the reader put there.
    QCOMPARE(lf.column(1).record().lfFaceName, QStringLiteral("Face 1"));
    QCOMPARE(reads, QList<int>({0, 1, 0}));
}

void TestFontRecords::tableOutsideItsRowsAndColumns()
{
    FontRecordTable<LogFontRecord> lf;
    int reads = 0;
    auto source = std::make_shared<const FontRecordSource>(QStringLiteral("A"), [&reads] {
        ++reads;
        return FontRecordPair{};
    });
    lf.resize(2);
    lf.setColumn(0, EnumLogFont(source));
    lf.setColumn(5, EnumLogFont(source)); // outside: ignored

    QVERIFY(!lf.value(LogFontRecord::FaceName, 1).isValid()); // column never set
    QVERIFY(!lf.value(0, 2).isValid());
    QVERIFY(!lf.value(0, -1).isValid());
    QVERIFY(!lf.value(LogFontRecord::RowCount, 0).isValid());
    QVERIFY(!lf.value(-1, 0).isValid());
    QCOMPARE(reads, 0);

    lf.resize(1); // shrinking keeps what stays
    QCOMPARE(lf.value(LogFontRecord::FaceName, 0).toString(), QStringLiteral("A"));
    lf.clear();
    QCOMPARE(lf.columnCount(), 0);
}

void TestFontRecords::textMetrics_data()
{
    QTest::addColumn<FaceTables>("tables");
    QTest::addColumn<int>("em");
    QTest::addColumn<QList<int>>("expected"); // Height, Ascent, Descent, InternalLeading, ExternalLeading, Ave, Max

    QTest::newRow("DejaVu Sans 20 px") << dejaVuSans() << 20 << QList<int>{24, 19, 5, 4, 0, 10, 37};
    QTest::newRow("DejaVu Sans 16 px") << dejaVuSans() << 16 << QList<int>{19, 15, 4, 3, 0, 8, 30};

    // hhea line gap beyond what the Windows metrics already cover becomes external leading.
    FaceTables liberation = dejaVuSans();
    liberation.winAscent = liberation.hheaAscender = 1854;
    liberation.winDescent = 434;
    liberation.hheaDescender = -434;
    liberation.hheaLineGap = 67;
    QTest::newRow("line gap") << liberation << 16 << QList<int>{17, 14, 3, 1, 1, 8, 30};

    // Windows metrics taller than hhea's swallow the line gap: no negative leading.
    FaceTables z003;
    z003.winAscent = 947;
    z003.winDescent = 300;
    z003.hheaAscender = 677;
    z003.hheaDescender = -323;
    z003.hheaLineGap = 200;
    z003.avgCharWidth = 593;
    z003.advanceWidthMax = 1074;
    QTest::newRow("gap swallowed") << z003 << 16 << QList<int>{20, 15, 5, 4, 0, 9, 17};

    // A bitmap strike keeps its pixels whatever the reference size.
    FaceTables bitmap;
    bitmap.format = FontFormat::Bitmap;
    bitmap.scalable = false;
    bitmap.unitsPerEm = 13;
    bitmap.winAscent = bitmap.hheaAscender = 11;
    bitmap.winDescent = 3;
    bitmap.hheaDescender = -3;
    bitmap.avgCharWidth = 7;
    bitmap.advanceWidthMax = 9;
    QTest::newRow("bitmap") << bitmap << 16 << QList<int>{14, 11, 3, 1, 0, 7, 9};
}

void TestFontRecords::textMetrics()
{
    QFETCH(FaceTables, tables);
    QFETCH(int, em);
    QFETCH(QList<int>, expected);

    const FontRecordPair r = recordsFromFace(tables, em);
    const TextMetricRecord &tm = r.textMetric;
    QCOMPARE((QList<int>{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                         tm.tmAveCharWidth, tm.tmMaxCharWidth}),
             expected);
    QCOMPARE(r.logFont.lfHeight, tm.tmHeight);
    QCOMPARE(r.logFont.lfWidth, tm.tmAveCharWidth);
    QCOMPARE(int(tm.ntmSizeEM), tables.unitsPerEm);
    QCOMPARE(int(tm.ntmCellHeight), tables.winAscent + tables.winDescent);
}

void TestFontRecords::pitchFamilyAndCharset_data()
{
    QTest::addColumn<FaceTables>("tables");
    QTest::addColumn<int>("lfPitchAndFamily");
    QTest::addColumn<int>("tmPitchAndFamily");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QList<int>>("chars"); // first, last, default, break
    QTest::addColumn<int>("flags");

    const FaceTables sans = dejaVuSans();
    QTest::newRow("TrueType sans") << sans << 0x22 << 0x27 << 0 << QList<int>{0x20, 0xFF, 0x20, 0x20}
                                   << int(kNtmRegular | kNtmTtOpenType);

    FaceTables mono = sans;
    mono.fixedPitch = true;
    mono.panoseProportion = 9;
    mono.weightClass = 700;
    QTest::newRow("TrueType mono bold") << mono << 0x31 << 0x36 << 0 << QList<int>{0x20, 0xFF, 0x20, 0x20}
                                        << int(kNtmBold | kNtmTtOpenType);

    FaceTables serif = sans;
    serif.format = FontFormat::Cff;
    serif.panoseSerifStyle = 2;
    serif.italic = true;
    serif.defaultChar = 0x2022; // a bullet: code 0x95 of Windows-1252
    serif.breakChar = 0x20;
    QTest::newRow("CFF serif italic") << serif << 0x12 << 0x13 << 0 << QList<int>{0x20, 0xFF, 0x95, 0x20}
                                      << int(kNtmItalic | kNtmPsOpenType);

    FaceTables symbol = sans;
    symbol.symbolCharmap = true;
    symbol.panoseFamily = 5;
    symbol.firstChar = 0xF020;
    symbol.lastChar = 0xF0FF;
    symbol.defaultChar = 0;
    symbol.breakChar = 0xF020;
    QTest::newRow("symbol") << symbol << 0x52 << 0x57 << 2 << QList<int>{0x20, 0xFF, 0x00, 0x20}
                            << int(kNtmRegular | kNtmTtOpenType);

    FaceTables bitmap = sans;
    bitmap.format = FontFormat::Bitmap;
    bitmap.scalable = false;
    bitmap.unitsPerEm = 13;
    bitmap.fixedPitch = true;
    QTest::newRow("bitmap") << bitmap << 0x31 << 0x30 << 0 << QList<int>{0x20, 0xFF, 0x20, 0x20} << int(kNtmRegular);
}

void TestFontRecords::pitchFamilyAndCharset()
{
    QFETCH(FaceTables, tables);
    QFETCH(int, lfPitchAndFamily);
    QFETCH(int, tmPitchAndFamily);
    QFETCH(int, charset);
    QFETCH(QList<int>, chars);
    QFETCH(int, flags);

    const FontRecordPair r = recordsFromFace(tables);
    QCOMPARE(int(r.logFont.lfPitchAndFamily), lfPitchAndFamily);
    QCOMPARE(int(r.textMetric.tmPitchAndFamily), tmPitchAndFamily);
    QCOMPARE(int(r.logFont.lfCharSet), charset);
    QCOMPARE(int(r.textMetric.tmCharSet), charset);
    const TextMetricRecord &tm = r.textMetric;
    QCOMPARE((QList<int>{tm.tmFirstChar, tm.tmLastChar, tm.tmDefaultChar, tm.tmBreakChar}), chars);
    QCOMPARE(int(tm.ntmFlags), flags);
    QCOMPARE(int(r.logFont.lfItalic), tables.italic ? 255 : 0);
    QCOMPARE(r.logFont.lfWeight, tables.weightClass);
    QCOMPARE(int(r.logFont.lfOutPrecision), tables.format == FontFormat::Bitmap ? 1 : 3);
}

void TestFontRecords::familiesAndTheirResolvedFace()
{
    const QList<FontFamily> families = groupFamilies({
        listed({"DejaVu Sans", "DejaVu Sans Condensed"}, face("/f/DejaVuSansCondensed.ttf", 400, FaceSlant::Roman, 87)),
        listed({"DejaVu Sans"}, face("/f/DejaVuSans-Bold.ttf", 700)),
        listed({"DejaVu Sans"}, face("/f/DejaVuSans.ttf", 400)),
        listed({"DejaVu Sans"}, face("/f/DejaVuSans.ttf", 400)), // listed twice: one face
        listed({"URW Bookman"}, face("/f/Demi.otf", 600)),
        listed({"URW Bookman"}, face("/f/Light.otf", 300)),
        listed({"Bold Italic And Italic"}, face("/f/bi.ttf", 700, FaceSlant::Italic)),
        listed({"Bold Italic And Italic"}, face("/f/i.ttf", 400, FaceSlant::Italic)),
        listed({"Bold And Italic"}, face("/f/i2.ttf", 400, FaceSlant::Italic)),
        listed({"Bold And Italic"}, face("/f/b2.ttf", 700)),
        listed({"bold and italic"}, face("/f/b3.ttf", 700)), // same family, other spelling
        listed({".Hidden"}, face("/f/h.ttf", 400)),
        listed({"apple"}, face("/f/a.ttf", 400)),
    });

    QStringList names;
    for (const FontFamily &f : families)
        names << f.name;
    QCOMPARE(names, QStringList({"apple", "Bold And Italic", "Bold Italic And Italic", "DejaVu Sans",
                                 "DejaVu Sans Condensed", "URW Bookman"}));

    const FontFamily *sans = familyNamed(families, "DejaVu Sans");
    QCOMPARE(sans->faces.size(), 3);
    QCOMPARE(sans->resolved().file, QStringLiteral("/f/DejaVuSans.ttf"));
    QCOMPARE(familyNamed(families, "DejaVu Sans Condensed")->resolved().file, QStringLiteral("/f/DejaVuSansCondensed.ttf"));
    QCOMPARE(familyNamed(families, "URW Bookman")->resolved().file, QStringLiteral("/f/Light.otf"));
    QCOMPARE(familyNamed(families, "Bold Italic And Italic")->resolved().file, QStringLiteral("/f/i.ttf"));
    // Upright wins over the weight: the bold upright face, not the regular-weight italic one.
    const FontFamily *boldAndItalic = familyNamed(families, "Bold And Italic");
    QCOMPARE(boldAndItalic->faces.size(), 3);
    QCOMPARE(boldAndItalic->resolved().file, QStringLiteral("/f/b2.ttf"));
}

void TestFontRecords::familyNamesInTheListingLanguage()
{
    ListedFace localised;
    localised.names = {{QStringLiteral("文泉驛正黑"), QStringLiteral("zh-tw")},
                       {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("en")}};
    localised.face = face("/f/wqy.ttc", 400);
    ListedFace onlyJapanese;
    onlyJapanese.names = {{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ja")}};
    onlyJapanese.face = face("/f/msgothic.ttc", 400);

    const QList<FontFamily> families = groupFamilies({localised, onlyJapanese});
    QCOMPARE(families.size(), 2);
    QCOMPARE(families.at(0).name, QStringLiteral("WenQuanYi Zen Hei"));
    QCOMPARE(families.at(1).name, QStringLiteral("ＭＳ ゴシック"));
}

void TestFontRecords::stylesAFamilyForces_data()
{
    QTest::addColumn<QList<FontFace>>("faces");
    QTest::addColumn<QList<bool>>("styles"); // regular, bold, italic, boldItalic, forcedBold, forcedItalic

    QTest::newRow("four faces") << QList<FontFace>{face("r", 400), face("b", 700), face("i", 400, FaceSlant::Italic),
                                                   face("bi", 700, FaceSlant::Oblique)}
                                << QList<bool>{true, true, true, true, false, false};
    QTest::newRow("bold only") << QList<FontFace>{face("b", 700)} << QList<bool>{false, true, false, false, true, false};
    QTest::newRow("bold and bold italic") << QList<FontFace>{face("bi", 700, FaceSlant::Italic), face("b", 700)}
                                          << QList<bool>{false, true, false, true, true, false};
    QTest::newRow("italic only") << QList<FontFace>{face("i", 500, FaceSlant::Italic)}
                                 << QList<bool>{false, false, true, false, false, true};
    QTest::newRow("semibold counts as bold") << QList<FontFace>{face("sb", 600)}
                                             << QList<bool>{false, true, false, false, true, false};
    QTest::newRow("medium is not bold") << QList<FontFace>{face("m", 500)}
                                        << QList<bool>{true, false, false, false, false, false};
}

void TestFontRecords::stylesAFamilyForces()
{
    QFETCH(QList<FontFace>, faces);
    QFETCH(QList<bool>, styles);

    QList<ListedFace> all;
    for (const FontFace &f : faces)
        all.append(listed({"F"}, f));
    const FamilyStyles s = groupFamilies(all).first().styles();
    QCOMPARE((QList<bool>{s.regular, s.bold, s.italic, s.boldItalic, s.forcedBold, s.forcedItalic}), styles);
}

QUORVIL_TEST_MAIN(TestFontRecords)
#include "tst_fontrecords.moc"

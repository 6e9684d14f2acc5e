#include "support/TestMain.h"

#include "platform/FcFontCatalog.h"
#include "platform/FtCodePage.h"
#include "platform/fakes/FakeCodePage.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

Q_DECLARE_METATYPE(FontCharset)

namespace {

const QString kSymbolFamily = QStringLiteral("Quorvil Symbol Test");
const QString kBoldOnlyFamily = QStringLiteral("Quorvil Bold Only");
const QString kFallbackFamily = QStringLiteral("Quorvil Fallback");
constexpr int kPixels = 40;

// The generator's glyph order: .notdef, then one glyph per code from 0x20.
quint32 symbolGlyphIndex(int code)
{
    return quint32(1 + code - 0x20);
}

QImage canvas()
{
    QImage image(96, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawText(const QFont &font, const QString &text)
{
    QImage image = canvas();
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setFont(font);
    p.drawText(QPointF(10, 60), text);
    return image;
}

QImage drawGlyph(const QRawFont &raw, quint32 glyph)
{
    QImage image = canvas();
    QPainter p(&image);
    p.setPen(Qt::black);
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(0, 0)});
    p.drawGlyphRun(QPointF(10, 60), run);
    return image;
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

} // namespace

class TestCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void charsetFromTheResolvedFile_data();
    void charsetFromTheResolvedFile();
    void codesAndCharacters_data();
    void codesAndCharacters();
    void textRoundTripsThroughTheFamilysCodes();
    void symbolCellsShowTheirOwnGlyphs_data();
    void symbolCellsShowTheirOwnGlyphs();
    void missingGlyphIsNeverAnotherFonts_data();
    void missingGlyphIsNeverAnotherFonts();
    void fakeCharsets();

private:
    FcFontCatalog m_catalog;
    FtCodePage m_codePage{m_catalog};
};

void TestCodePage::charsetFromTheResolvedFile_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<FontCharset>("charset");
    QTest::newRow("MS Symbol charmap") << kSymbolFamily << FontCharset::Symbol;
    QTest::newRow("any spelling") << QStringLiteral("QUORVIL symbol test") << FontCharset::Symbol;
    QTest::newRow("ordinary") << QStringLiteral("DejaVu Sans") << FontCharset::Ansi;
    // URW's symbol and dingbat faces carry a Unicode charmap, not an MS Symbol one.
    QTest::newRow("Unicode symbols") << QStringLiteral("Standard Symbols PS") << FontCharset::Ansi;
    QTest::newRow("Unicode dingbats") << QStringLiteral("D050000L") << FontCharset::Ansi;
    QTest::newRow("not installed") << QStringLiteral("No Such Family") << FontCharset::Ansi;
}

void TestCodePage::charsetFromTheResolvedFile()
{
    QFETCH(QString, family);
    QFETCH(FontCharset, charset);
    QCOMPARE(m_codePage.charset(family), charset);
    QCOMPARE(m_codePage.charset(family), charset); // remembered, same answer
}

void TestCodePage::codesAndCharacters_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("code");
    QTest::addColumn<QChar>("ch");
    QTest::newRow("symbol A") << kSymbolFamily << 0x41 << QChar(0xF041);
    QTest::newRow("symbol space") << kSymbolFamily << 0x20 << QChar(0xF020);
    QTest::newRow("symbol 0xFF") << kSymbolFamily << 0xFF << QChar(0xF0FF);
    QTest::newRow("ANSI A") << QStringLiteral("DejaVu Sans") << 0x41 << QChar(u'A');
    QTest::newRow("ANSI euro") << QStringLiteral("DejaVu Sans") << 0x80 << QChar(0x20AC);
    QTest::newRow("ANSI undefined 0x81") << QStringLiteral("DejaVu Sans") << 0x81 << QChar(0x0081);
}

void TestCodePage::codesAndCharacters()
{
    QFETCH(QString, family);
    QFETCH(int, code);
    QFETCH(QChar, ch);
    QCOMPARE(m_codePage.charForCode(quint8(code), family), ch);
    QCOMPARE(int(m_codePage.codeForChar(ch, family).value_or(0)), code);
    QVERIFY(m_codePage.codeForChar(ch, family).has_value());
}

void TestCodePage::textRoundTripsThroughTheFamilysCodes()
{
    QByteArray codes;
    for (int c = 0x20; c <= 0xFF; ++c)
        codes.append(char(c));
    for (const QString &family : {kSymbolFamily, QStringLiteral("DejaVu Sans")}) {
        const QString text = m_codePage.decodeText(codes, family);
        QCOMPARE(text.size(), codes.size());
        QCOMPARE(m_codePage.encodeText(text, family), codes);
    }
    QCOMPARE(m_codePage.decodeText("A", kSymbolFamily), QString(QChar(0xF041)));
}

void TestCodePage::symbolCellsShowTheirOwnGlyphs_data()
{
    QTest::addColumn<int>("code");
    for (int code : {0x21, 0x41, 0x7E, 0x80, 0xA0, 0xFF})
        QTest::addRow("0x%02X", code) << code;
}

void TestCodePage::symbolCellsShowTheirOwnGlyphs()
{
    QFETCH(int, code);
    const auto face = m_catalog.resolvedFace(kSymbolFamily);
    QVERIFY(face);
    const QRawFont file(face->file, kPixels);
    QVERIFY(file.isValid());

    QFont font = m_catalog.font(kSymbolFamily, 12);
    font.setPixelSize(kPixels);
    const QImage cell = drawText(font, QString(m_codePage.charForCode(quint8(code), kSymbolFamily)));
    QVERIFY(hasInk(cell));
    QCOMPARE(cell, drawGlyph(file, symbolGlyphIndex(code)));
    // The test font tells codes apart: the next code's glyph is another picture.
    QVERIFY(cell != drawGlyph(file, symbolGlyphIndex(code == 0xFF ? 0xFE : code + 1)));
}

void TestCodePage::missingGlyphIsNeverAnotherFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("code");
    // Qt never merges fonts into a symbol face; an ordinary face is where merging would show.
    QTest::newRow("symbol 0x7F") << kSymbolFamily << 0x7F;
    QTest::newRow("symbol 0xE9") << kSymbolFamily << 0xE9;
    QTest::newRow("ANSI 0xE9") << kBoldOnlyFamily << 0xE9;
    QTest::newRow("ANSI 0x80") << kBoldOnlyFamily << 0x80;
}

void TestCodePage::missingGlyphIsNeverAnotherFonts()
{
    QFETCH(QString, family);
    QFETCH(int, code);
    const QChar ch = m_codePage.charForCode(quint8(code), family);
    QVERIFY(!m_catalog.hasGlyph(family, ch));
    QVERIFY(m_catalog.hasGlyph(kFallbackFamily, ch));

    const auto face = m_catalog.resolvedFace(family);
    QVERIFY(face);
    const QRawFont file(face->file, kPixels);
    QFont font = m_catalog.font(family, 12);
    font.setPixelSize(kPixels);
    // The cell shows the face's own .notdef frame; the fallback font, which has the character,
    // never fills it in.
    const QImage cell = drawText(font, QString(ch));
    QVERIFY(hasInk(cell));
    QCOMPARE(cell, drawGlyph(file, 0));
}

void TestCodePage::fakeCharsets()
{
    FakeCodePage fake;
    fake.setCharset(QStringLiteral("Wingdings"), FontCharset::Symbol);
    QCOMPARE(fake.charset(QStringLiteral("wingdings")), FontCharset::Symbol);
    QCOMPARE(fake.charForCode(0x41, QStringLiteral("Wingdings")), QChar(0xF041));
    QCOMPARE(fake.charForCode(0x41, QStringLiteral("Arial")), QChar(u'A'));
}

// The fallback font has glyphs for characters the other two lack.
QUORVIL_TEST_MAIN_WITH_FONTS(TestCodePage, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-fallback.ttf"))
#include "tst_codepage.moc"

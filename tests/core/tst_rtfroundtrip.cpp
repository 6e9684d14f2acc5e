// The RTF writer against the reader: whatever the writer writes reads back as the same
// document, and the bytes it writes are the ones word processors expect.

#include "textboard/rules/RtfReader.h"
#include "textboard/rules/RtfWriter.h"

#include <QTest>

namespace {

// The 16 QB colours, the TextBoard's text colours.
const QList<ColorValue> kQBColors = {
    rgbColor(0, 0, 0),       rgbColor(0, 0, 128),     rgbColor(0, 128, 0),   rgbColor(0, 128, 128),
    rgbColor(128, 0, 0),     rgbColor(128, 0, 128),   rgbColor(128, 128, 0), rgbColor(192, 192, 192),
    rgbColor(128, 128, 128), rgbColor(0, 0, 255),     rgbColor(0, 255, 0),   rgbColor(0, 255, 255),
    rgbColor(255, 0, 0),     rgbColor(255, 0, 255),   rgbColor(255, 255, 0), rgbColor(255, 255, 255),
};

RtfCharFormat format(const QString &font, double size, FontCharset charset = FontCharset::Ansi)
{
    RtfCharFormat f;
    f.fontName = font;
    f.size = size;
    f.charset = charset;
    return f;
}

RtfParagraph paragraph(RtfAlignment alignment, QList<RtfRun> runs)
{
    return RtfParagraph{alignment, std::move(runs)};
}

// Compares paragraph by paragraph, so a failure names the first one that differs.
void compareDocuments(const RtfDocument &actual, const RtfDocument &expected)
{
    QCOMPARE(actual.paragraphs.size(), expected.paragraphs.size());
    for (qsizetype i = 0; i < expected.paragraphs.size(); ++i) {
        const RtfParagraph &a = actual.paragraphs.at(i);
        const RtfParagraph &e = expected.paragraphs.at(i);
        QVERIFY2(a.alignment == e.alignment, qPrintable(QStringLiteral("paragraph %1").arg(i)));
        QCOMPARE(a.runs.size(), e.runs.size());
        for (qsizetype r = 0; r < e.runs.size(); ++r) {
            QCOMPARE(a.runs.at(r).text, e.runs.at(r).text);
            QVERIFY2(a.runs.at(r).format == e.runs.at(r).format,
                     qPrintable(QStringLiteral("paragraph %1 run %2").arg(i).arg(r)));
        }
    }
}

RtfDocument roundTrip(const RtfDocument &doc)
{
    const RtfReadResult result = readRtf(writeRtf(doc));
    if (!result) {
        qWarning() << rtfErrorText(result.error());
        return {};
    }
    return result.value();
}

QString codes32To255(FontCharset charset)
{
    QString text;
    for (int code = 32; code <= 255; ++code)
        text.append(charForCode(quint8(code), charset));
    return text;
}

} // namespace

Q_DECLARE_METATYPE(RtfDocument)
Q_DECLARE_METATYPE(FontCharset)

class TestRtfRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyStyleColourAndAlignment();
    void fontsAndSizes();
    void allCodes_data();
    void allCodes();
    void documents_data();
    void documents();
    void writtenBytes_data();
    void writtenBytes();
    void sizeBetweenHalfPoints();
};

void TestRtfRoundTrip::everyStyleColourAndAlignment()
{
    // One paragraph per combination of the four styles, the 16 colours and the three
    // alignments, each with two runs so that every style also switches off again.
    RtfDocument doc;
    const RtfAlignment alignments[] = {RtfAlignment::Left, RtfAlignment::Right, RtfAlignment::Centre};
    for (RtfAlignment alignment : alignments) {
        for (int styles = 0; styles < 16; ++styles) {
            for (int c = 0; c < 16; ++c) {
                RtfCharFormat styled = format(QStringLiteral("Arial"), 12);
                styled.bold = styles & 1;
                styled.italic = styles & 2;
                styled.underline = styles & 4;
                styled.strikethrough = styles & 8;
                styled.color = kQBColors.at(c);
                RtfCharFormat plain = format(QStringLiteral("Arial"), 12);
                plain.color = kQBColors.at((c + 1) % 16);
                doc.paragraphs.append(paragraph(alignment, {RtfRun{QStringLiteral("Styled "), styled},
                                                            RtfRun{QStringLiteral("plain"), plain}}));
            }
        }
    }
    compareDocuments(roundTrip(doc), doc);
}

void TestRtfRoundTrip::fontsAndSizes()
{
    const QList<RtfCharFormat> fonts = {
        format(QStringLiteral("Arial"), 8),
        format(QStringLiteral("Liberation Serif"), 36),
        format(QStringLiteral("Symbol"), 12.5, FontCharset::Symbol),
        format(QStringLiteral("Wingdings"), 7.5, FontCharset::Symbol),
        format(QStringLiteral("DejaVu Sans"), 1638),
        // Characters that need escaping in the font table, and a name that equals
        // another's but in another charset.
        format(QStringLiteral("Odd; {name} \\ caf\u00e9 \u0416"), 10),
        format(QStringLiteral(" padded "), 11),
        format(QStringLiteral("Arial"), 9, FontCharset::Symbol),
        format(QString(), 12),
    };
    RtfDocument doc;
    for (const RtfCharFormat &a : fonts) {
        RtfParagraph p{RtfAlignment::Left, {}};
        for (const RtfCharFormat &b : fonts) {
            if (a == b)
                continue;
            p.runs.append(RtfRun{QStringLiteral("x"), b});
            p.runs.append(RtfRun{QStringLiteral("y"), a});
        }
        doc.paragraphs.append(p);
    }
    compareDocuments(roundTrip(doc), doc);
}

void TestRtfRoundTrip::allCodes_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<FontCharset>("charset");
    QTest::newRow("ansi") << "Arial" << FontCharset::Ansi;
    QTest::newRow("symbol") << "Symbol" << FontCharset::Symbol;
}

void TestRtfRoundTrip::allCodes()
{
    QFETCH(QString, font);
    QFETCH(FontCharset, charset);
    const RtfDocument doc{{paragraph(RtfAlignment::Left, {RtfRun{codes32To255(charset), format(font, 12, charset)}})}};
    const QByteArray rtf = writeRtf(doc);
    compareDocuments(roundTrip(doc), doc);

    // Each code is written as its byte: ASCII as is (escaped where RTF needs it), the
    // rest as \'hh, so a reader in the font's charset sees the same codes.
    QVERIFY(rtf.contains("!\"#$%&'()*+,-./0123456789:;<=>?@ABC"));
    QVERIFY(rtf.contains("[\\\\]^_`abc"));
    QVERIFY(rtf.contains("z\\{|\\}~\\'7f\\'80\\'81"));
    QVERIFY(rtf.contains("\\'fe\\'ff"));
    QVERIFY(!rtf.mid(rtf.indexOf("\\pard")).contains("\\u"));
}

void TestRtfRoundTrip::documents_data()
{
    QTest::addColumn<RtfDocument>("doc");

    const RtfCharFormat arial = format(QStringLiteral("Arial"), 12);
    const RtfCharFormat symbol = format(QStringLiteral("Symbol"), 12, FontCharset::Symbol);
    RtfCharFormat bold = arial;
    bold.bold = true;
    const auto one = [](const QString &text, const RtfCharFormat &f) {
        return RtfDocument{{RtfParagraph{RtfAlignment::Left, {RtfRun{text, f}}}}};
    };

    QTest::newRow("empty document") << one(QString(), bold);
    QTest::newRow("escapes") << one(QStringLiteral("a\\b{c}d"), arial);
    QTest::newRow("tab") << one(QStringLiteral("a\tb\t"), arial);
    QTest::newRow("spaces after a control word") << one(QStringLiteral("  two"), arial);
    QTest::newRow("digits and minus after a control word")
        << RtfDocument{{paragraph(RtfAlignment::Left, {RtfRun{QStringLiteral("x"), arial}, RtfRun{QStringLiteral("-5 12"), bold}})}};
    QTest::newRow("characters with no 8-bit code")
        << one(QStringLiteral("\u0416\u03b1\u2192\u00ad\U0001F600\uFFFD"), arial);
    QTest::newRow("control characters") << one(QString::fromUtf16(u"a\u0001\u001f\u0000b", 5), arial);
    QTest::newRow("symbol codes in an ANSI font") << one(QStringLiteral("\uF041\uF0FF"), arial);
    QTest::newRow("ASCII in a symbol font") << one(QStringLiteral("A \\{"), symbol);
    QTest::newRow("symbol control range") << one(QStringLiteral("\uF000\uF01F"), symbol);
    QTest::newRow("paragraph separators inside a run") << one(QStringLiteral("a\u2028b\u2029c"), arial);
    QTest::newRow("empty lines keep their format")
        << RtfDocument{{paragraph(RtfAlignment::Centre, {RtfRun{QString(), bold}}),
                        paragraph(RtfAlignment::Right, {RtfRun{QStringLiteral("x"), arial}}),
                        paragraph(RtfAlignment::Left, {RtfRun{QString(), symbol}})}};
    QTest::newRow("alignment changes back")
        << RtfDocument{{paragraph(RtfAlignment::Centre, {RtfRun{QStringLiteral("a"), arial}}),
                        paragraph(RtfAlignment::Left, {RtfRun{QStringLiteral("b"), arial}}),
                        paragraph(RtfAlignment::Centre, {RtfRun{QStringLiteral("c"), arial}})}};
}

void TestRtfRoundTrip::documents()
{
    QFETCH(RtfDocument, doc);
    compareDocuments(roundTrip(doc), doc);
}

void TestRtfRoundTrip::writtenBytes_data()
{
    QTest::addColumn<RtfDocument>("doc");
    QTest::addColumn<QByteArrayList>("expected");

    RtfCharFormat red = format(QStringLiteral("Arial"), 10);
    red.color = rgbColor(255, 0, 0);
    red.bold = true;
    const RtfCharFormat symbol = format(QStringLiteral("Symbol"), 7.5, FontCharset::Symbol);

    QTest::newRow("header, tables and format")
        << RtfDocument{{paragraph(RtfAlignment::Centre, {RtfRun{QStringLiteral("Hi"), red}}),
                        paragraph(RtfAlignment::Right, {RtfRun{QStringLiteral("\uF061"), symbol}})}}
        << QByteArrayList{"{\\rtf1\\ansi\\ansicpg1252\\deff0",
                          "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}",
                          "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}",
                          "\\uc1",
                          "\\pard\\qc\\f0\\fs20\\cf1\\b Hi\\par",
                          "\\pard\\qr\\f1\\fs15\\cf2\\b0 a\\par"};
    QTest::newRow("non-8-bit characters")
        << RtfDocument{{paragraph(RtfAlignment::Left, {RtfRun{QStringLiteral("\u0416\uF041"), red}})}}
        << QByteArrayList{"\\u1046?\\u-4031?"};
}

void TestRtfRoundTrip::writtenBytes()
{
    QFETCH(RtfDocument, doc);
    QFETCH(QByteArrayList, expected);
    const QByteArray rtf = writeRtf(doc);
    for (const QByteArray &piece : expected)
        QVERIFY2(rtf.contains(piece), piece + " not in " + rtf);
    QVERIFY(rtf.endsWith("}"));
}

void TestRtfRoundTrip::sizeBetweenHalfPoints()
{
    // RTF has half points only: 7.6 points are written as 7.5 (which the TextBoard
    // rounds to 8, as it would have rounded 7.6).
    const RtfDocument doc{{paragraph(RtfAlignment::Left, {RtfRun{QStringLiteral("x"), format(QStringLiteral("Arial"), 7.6)}})}};
    QVERIFY(writeRtf(doc).contains("\\fs15\\cf1 x"));
    QCOMPARE(roundTrip(doc).paragraphs.at(0).runs.at(0).format.size, 7.5);
}

QTEST_GUILESS_MAIN(TestRtfRoundTrip)
#include "tst_rtfroundtrip.moc"

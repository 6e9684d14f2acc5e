// The RTF reader on files that word processors write and on the parts of RTF it has to
// understand or skip.

#include "textboard/rules/RtfReader.h"

#include <QTest>
#include <QFile>

namespace {

// A document as one line per paragraph: the alignment, then each run as
// [font(* for a symbol charset) size styles RRGGBB] and its text.
QString describe(const RtfDocument &doc)
{
    QStringList lines;
    for (const RtfParagraph &p : doc.paragraphs) {
        QString line = QStringLiteral("LRC").at(int(p.alignment));
        line += QLatin1Char('|');
        for (const RtfRun &r : p.runs) {
            const RtfCharFormat &f = r.format;
            QString styles;
            if (f.bold)
                styles += QLatin1Char('b');
            if (f.italic)
                styles += QLatin1Char('i');
            if (f.underline)
                styles += QLatin1Char('u');
            if (f.strikethrough)
                styles += QLatin1Char('s');
            line += QStringLiteral("[%1%2 %3 %4 %5]%6")
                        .arg(f.fontName, f.charset == FontCharset::Symbol ? QStringLiteral("*") : QString())
                        .arg(f.size)
                        .arg(styles.isEmpty() ? QStringLiteral("-") : styles)
                        .arg(QString::asprintf("%02X%02X%02X", redOf(f.color), greenOf(f.color), blueOf(f.color)))
                        .arg(r.text);
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString textOf(const RtfDocument &doc)
{
    QStringList lines;
    for (const RtfParagraph &p : doc.paragraphs) {
        QString line;
        for (const RtfRun &r : p.runs)
            line += r.text;
        lines.append(line);
    }
    return lines.join(QLatin1Char('|'));
}

// A small document around `body`: Arial as f0 (the default), Symbol as f1, red as cf1.
QByteArray wrap(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\ftech\\fcharset2 Symbol;}}"
           "{\\colortbl;\\red255\\green0\\blue0;}" + body + "}";
}

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(QUORVIL_TEST_DATA "/rtf/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordProcessorFiles_data();
    void wordProcessorFiles();
    void text_data();
    void text();
    void formats_data();
    void formats();
};

void TestRtfReader::wordProcessorFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    // LibreOffice Writer 7.4, `soffice --headless --convert-to rtf libreoffice-writer.fodt`:
    // styles in a style sheet, formats inside groups, \plain and \pard on every paragraph,
    // Unicode with \'hh fallbacks, a symbol font given as U+F0xx.
    QTest::newRow("LibreOffice Writer")
        << fixture("libreoffice-writer.rtf")
        << QStringLiteral("L|[Liberation Sans 12 - 000000]Plain, [Liberation Sans 12 b 000000]bold"
                          "[Liberation Sans 12 - 000000], [Liberation Sans 12 i 000000]italic"
                          "[Liberation Sans 12 - 000000], [Liberation Sans 12 u 000000]underlined"
                          "[Liberation Sans 12 - 000000] and [Liberation Sans 12 s 000000]struck"
                          "[Liberation Sans 12 - 000000].\n"
                          "C|[Liberation Serif 18 - FF0000]Centred red serif\n"
                          "R|[DejaVu Sans 7.5 bi 000080]Right navy small\n"
                          "L|[Liberation Sans 10 - 000000]caf\u00e9 na\u00efve 20\u20ac \u2014 \u201cquoted\u201d "
                          "[OpenSymbol* 10 - 000000]\uF061\uF062\n"
                          "L|[Liberation Sans 10 - 000000]\n"
                          "L|[Liberation Sans 10 - 000000]a\tb");
    // What the classic rich edit control writes: flat, \'hh in the font's charset,
    // \plain, and a NUL after the closing brace.
    QTest::newRow("RichEdit")
        << fixture("richedit.rtf")
        << QStringLiteral("C|[Arial 10 b FF0000]Caf\u00e9 \u20ac 100\n"
                          "R|[Symbol* 7.5 ius 000080]\uF061\uF062\uF067\uF0B7[Symbol* 7.5 i 000080]\uF078\uF079\n"
                          "L|[Arial 8.5 - 000000]Tab\tend");
}

void TestRtfReader::wordProcessorFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QVERIFY(!file.isEmpty());
    const RtfReadResult result = readRtf(file);
    QVERIFY2(result.hasValue(), qPrintable(result ? QString() : rtfErrorText(result.error())));
    QCOMPARE(describe(result.value()), expected);
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");  // paragraphs joined by |

    QTest::newRow("final \\par ends the last line") << QByteArray("a\\par b\\par") << "a|b";
    QTest::newRow("no final \\par") << QByteArray("a\\par b") << "a|b";
    QTest::newRow("trailing empty line") << QByteArray("a\\par\\par") << "a|";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("\\line \\page \\sect \\row") << QByteArray("a\\line b\\page c\\sect d\\row e") << "a|b|c|d|e";
    QTest::newRow("backslash newline") << QByteArray("a\\\nb\\\r\nc") << "a|b|c";
    QTest::newRow("file line breaks are not text") << QByteArray("a\r\nb\nc") << "abc";
    QTest::newRow("escapes") << QByteArray("\\\\\\{\\}") << "\\{}";
    QTest::newRow("special characters")
        << QByteArray("\\tab\\~\\_\\-\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote")
        << "\t\u00a0\u2011\u2014\u2013\u2022\u2018\u2019\u201c\u201d";
    QTest::newRow("\\u with the default fallback") << QByteArray("\\u1046?x") << "\u0416x";
    QTest::newRow("\\u negative") << QByteArray("\\u-4031?") << "\uF041";
    QTest::newRow("\\uc2 skips two") << QByteArray("\\uc2\\u1046\\'c6\\'e0x") << "\u0416x";
    QTest::newRow("\\uc0 skips none") << QByteArray("\\uc0\\u1046 x") << "\u0416x";
    QTest::newRow("\\uc is kept per group") << QByteArray("{\\uc2 a}\\u1046?b") << "a\u0416b";
    QTest::newRow("fallback ends at a brace") << QByteArray("{\\uc3\\u1046}x") << "\u0416x";
    QTest::newRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << "\U0001F600";
    QTest::newRow("\\u out of range") << QByteArray("\\u70000?") << "\uFFFD";
    QTest::newRow("\\'hh in the ANSI font") << QByteArray("\\'80\\'e9\\'81") << "\u20ac\u00e9\u0081";
    QTest::newRow("\\'hh and ASCII in the symbol font") << QByteArray("\\f1 a\\'b7\\\\") << "\uF061\uF0B7\uF05C";
    QTest::newRow("bad hex is dropped") << QByteArray("\\'zzx") << "zzx";
    QTest::newRow("\\'0d and \\u10 end a line") << QByteArray("a\\'0d\\'0ab\\u10?c") << "a|b|c";
    QTest::newRow("ignorable destinations") << QByteArray("a{\\*\\unknown b{c}}d{\\*\\fldinst x}e") << "ade";
    QTest::newRow("known destinations without \\*")
        << QByteArray("{\\info{\\title t}{\\author u}}{\\stylesheet{\\s0 Normal;}}a{\\header h}{\\footnote f}"
                      "{\\pict\\wmetafile8 0102ff}b{\\listtext 1.\\tab}c")
        << "abc";
    QTest::newRow("field result is text")
        << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}") << "link";
    QTest::newRow("\\bin data is skipped") << QByteArray("a{\\pict\\bin4 }{\\}}b") << "ab";
    QTest::newRow("\\bin in the text") << QByteArray("a\\bin3 {{{b") << "ab";
    QTest::newRow("unknown words are ignored") << QByteArray("\\foo12 a\\bar-3 b") << "ab";
    QTest::newRow("literal tab, control bytes dropped") << QByteArray("a\tb\x01" "c") << "a\tbc";
    QTest::newRow("minus after a word without a number") << QByteArray("\\b-x") << "-x";
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const RtfReadResult result = readRtf(wrap(body));
    QVERIFY2(result.hasValue(), qPrintable(result ? QString() : rtfErrorText(result.error())));
    QCOMPARE(textOf(result.value()), expected);
}

void TestRtfReader::formats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("defaults: \\deff font, 12 points, auto colour") << QByteArray("x") << "L|[Arial 12 - 000000]x";
    QTest::newRow("styles on and off")
        << QByteArray("\\b\\i\\ul\\strike a\\b0\\i0\\ulnone\\strike0 b")
        << "L|[Arial 12 bius 000000]a[Arial 12 - 000000]b";
    QTest::newRow("\\b1 \\ul0 \\strike0") << QByteArray("\\b1\\ul\\ul0\\strike1\\strike0 a") << "L|[Arial 12 b 000000]a";
    QTest::newRow("underline kinds") << QByteArray("\\uldb a\\ulnone\\ulwave b\\ulc1 c") << "L|[Arial 12 u 000000]abc";
    QTest::newRow("double strike") << QByteArray("\\striked1 a") << "L|[Arial 12 s 000000]a";
    QTest::newRow("groups restore the format")
        << QByteArray("a{\\b\\f1\\fs40\\cf1 b}c") << "L|[Arial 12 - 000000]a[Symbol* 20 b FF0000]\uF062[Arial 12 - 000000]c";
    QTest::newRow("\\plain resets the character format")
        << QByteArray("\\f1\\b\\fs10\\cf1 a\\plain b") << "L|[Symbol* 5 b FF0000]\uF061[Arial 12 - 000000]b";
    QTest::newRow("same format in two groups is one run") << QByteArray("{\\b a}{\\b b}") << "L|[Arial 12 b 000000]ab";
    QTest::newRow("alignments") << QByteArray("\\qc a\\par\\qr b\\par\\pard c\\par\\qj d\\par")
                                << "C|[Arial 12 - 000000]a\nR|[Arial 12 - 000000]b\nL|[Arial 12 - 000000]c\nL|[Arial 12 - 000000]d";
    QTest::newRow("alignment is taken at the \\par") << QByteArray("a\\qc\\par") << "C|[Arial 12 - 000000]a";
    QTest::newRow("alignment in a group ends with it") << QByteArray("{\\qr a}\\par") << "L|[Arial 12 - 000000]a";
    QTest::newRow("empty line keeps its format")
        << QByteArray("\\fs48\\b\\par x") << "L|[Arial 24 b 000000]\nL|[Arial 24 b 000000]x";
    QTest::newRow("unknown font: the default font") << QByteArray("\\f9 a") << "L|[Arial 12 - 000000]a";
    QTest::newRow("colour outside the table: black") << QByteArray("\\cf7 a") << "L|[Arial 12 - 000000]a";
    QTest::newRow("\\fs0 and negative sizes are ignored") << QByteArray("\\fs0\\fs-4 a") << "L|[Arial 12 - 000000]a";
    QTest::newRow("huge size is clamped") << QByteArray("\\fs2000000000 a") << "L|[Arial 1638 - 000000]a";
    QTest::newRow("half points") << QByteArray("\\fs15 a") << "L|[Arial 7.5 - 000000]a";
}

void TestRtfReader::formats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const RtfReadResult result = readRtf(wrap(body));
    QVERIFY2(result.hasValue(), qPrintable(result ? QString() : rtfErrorText(result.error())));
    QCOMPARE(describe(result.value()), expected);
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"

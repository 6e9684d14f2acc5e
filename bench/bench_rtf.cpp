// RTF write and read of a full TextBoard (61,440 characters): through the pure writer and
// reader, and through the rich-text twin as saving and loading a *.QUF file use them.
#include "support/TestMain.h"

#include "textboard/RichTextBox.h"
#include "textboard/rules/RtfReader.h"
#include "textboard/rules/RtfWriter.h"

namespace {

constexpr int kTextBoardCharacters = 61440;

// Lines of 78 characters plus CR LF, cycling through the codes 32..255.
QString fullTextBoard(FontCharset charset)
{
    QString text;
    text.reserve(kTextBoardCharacters);
    int code = 32;
    while (text.size() < kTextBoardCharacters) {
        if (text.size() % 80 == 78) {
            text.append(QStringLiteral("\r\n"));
            continue;
        }
        text.append(charForCode(quint8(code), charset));
        code = code == 255 ? 32 : code + 1;
    }
    text.truncate(kTextBoardCharacters);
    return text;
}

RtfDocument documentOf(const QString &text, FontCharset charset, bool formatPerCharacter)
{
    RtfCharFormat format;
    format.fontName = charset == FontCharset::Symbol ? QStringLiteral("Symbol") : QStringLiteral("Arial");
    format.charset = charset;
    format.size = 12;
    RtfDocument doc;
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        RtfParagraph p;
        if (!formatPerCharacter) {
            p.runs.append(RtfRun{line, format});
        } else {
            for (qsizetype i = 0; i < line.size(); ++i) {
                RtfCharFormat f = format;
                f.bold = i % 2;
                p.runs.append(RtfRun{line.mid(i, 1), f});
            }
        }
        doc.paragraphs.append(p);
    }
    return doc;
}

} // namespace

Q_DECLARE_METATYPE(FontCharset)

class BenchRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void write_data();
    void write();
    void read_data();
    void read();
    void twinSave();
    void twinLoad();
};

void BenchRtf::write_data()
{
    QTest::addColumn<FontCharset>("charset");
    QTest::addColumn<bool>("formatPerCharacter");
    QTest::newRow("ANSI, one format") << FontCharset::Ansi << false;
    QTest::newRow("symbol, one format") << FontCharset::Symbol << false;
    QTest::newRow("ANSI, a format change at every character") << FontCharset::Ansi << true;
}

void BenchRtf::write()
{
    QFETCH(FontCharset, charset);
    QFETCH(bool, formatPerCharacter);
    const RtfDocument doc = documentOf(fullTextBoard(charset), charset, formatPerCharacter);
    QByteArray rtf;
    QBENCHMARK {
        rtf = writeRtf(doc);
    }
    QVERIFY(!rtf.isEmpty());
}

void BenchRtf::read_data()
{
    write_data();
}

void BenchRtf::read()
{
    QFETCH(FontCharset, charset);
    QFETCH(bool, formatPerCharacter);
    const QByteArray rtf = writeRtf(documentOf(fullTextBoard(charset), charset, formatPerCharacter));
    bool ok = false;
    QBENCHMARK {
        ok = readRtf(rtf).hasValue();
    }
    QVERIFY(ok);
}

void BenchRtf::twinSave()
{
    RichTextBox box;
    box.setText(fullTextBoard(FontCharset::Ansi));
    box.setSelLength(kTextBoardCharacters);
    box.setSelFontName(QStringLiteral("Arial"));
    box.setSelFontSize(12);
    QByteArray rtf;
    QBENCHMARK {
        rtf = box.TextRTF();
    }
    QVERIFY(!rtf.isEmpty());
}

void BenchRtf::twinLoad()
{
    RichTextBox source;
    source.setText(fullTextBoard(FontCharset::Ansi));
    const QByteArray rtf = source.TextRTF();
    RichTextBox box;
    QBENCHMARK {
        QVERIFY(box.setTextRTF(rtf));
    }
    QCOMPARE(box.Text().size(), qsizetype(kTextBoardCharacters));
}

QUORVIL_TEST_MAIN(BenchRtf)
#include "bench_rtf.moc"

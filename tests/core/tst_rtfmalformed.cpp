// Broken and hostile RTF: the reader ends with an error result (never a crash, a hang or
// a huge allocation), and whatever it does accept is a document the writer can write and
// the reader read back unchanged.

#include "textboard/rules/RtfReader.h"
#include "textboard/rules/RtfWriter.h"

#include <QTest>
#include <QFile>

#include <random>

using namespace RtfLimits;

namespace {

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(QUORVIL_TEST_DATA "/rtf/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shape RtfDocument promises; an empty string when it holds.
QString shapeFault(const RtfDocument &doc)
{
    if (doc.paragraphs.isEmpty())
        return QStringLiteral("no paragraph");
    for (const RtfParagraph &p : doc.paragraphs) {
        if (p.runs.isEmpty())
            return QStringLiteral("paragraph without runs");
        for (qsizetype i = 0; i < p.runs.size(); ++i) {
            const RtfRun &r = p.runs.at(i);
            if (r.text.isEmpty() && p.runs.size() > 1)
                return QStringLiteral("empty run beside others");
            if (r.text.contains(QLatin1Char('\r')) || r.text.contains(QLatin1Char('\n')))
                return QStringLiteral("line break inside a run");
            if (i > 0 && p.runs.at(i - 1).format == r.format)
                return QStringLiteral("neighbouring runs with one format");
            const double half = r.format.size * 2;
            if (half != std::floor(half) || half < 1 || half > 3276)
                return QStringLiteral("size %1").arg(r.format.size);
            if (r.format.color > 0xFFFFFF)
                return QStringLiteral("colour %1").arg(r.format.color, 0, 16);
        }
    }
    return QString();
}

// Reads `input`; an accepted document must keep its shape and survive a round trip.
QString readFault(const QByteArray &input)
{
    const RtfReadResult result = readRtf(input);
    if (!result)
        return QString();
    const QString fault = shapeFault(result.value());
    if (!fault.isEmpty())
        return fault;
    const QByteArray written = writeRtf(result.value());
    const RtfReadResult again = readRtf(written);
    if (!again)
        return QStringLiteral("own output refused: ") + rtfErrorText(again.error());
    if (!(again.value() == result.value()))
        return QStringLiteral("round trip changed the document");
    return QString();
}

enum class Mutation { Replace, InsertToken, Delete, Duplicate, Truncate };

// Tokens that reach the reader's edges: groups, escapes, numbers, binary data, fallbacks.
const QByteArrayList kTokens = {"{", "}", "\\", "\\'", "\\'f", "\\u-", "\\u61473", "\\bin9 ", "\\bin",
                                "\\*", "\\uc5", "\\uc0", "\\par", "9999999999", ";", "\\f1", "\\fcharset2",
                                "\\fonttbl", "\\colortbl", "\\red300", "\\plain", "\\pard\\qc", "\\fs-7",
                                "{\\*\\x", "\\'0d", "\\~", "\\\r\n", "\0", "\xff"};

QByteArray mutate(QByteArray input, std::mt19937 &rng)
{
    const auto pick = [&rng](qsizetype n) { return qsizetype(rng() % quint32(std::max<qsizetype>(n, 1))); };
    const int steps = 1 + int(rng() % 4);
    for (int s = 0; s < steps; ++s) {
        const qsizetype at = pick(input.size() + 1);
        switch (Mutation(rng() % 5)) {
        case Mutation::Replace:
            if (at < input.size())
                input[at] = char(rng() & 0xFF);
            break;
        case Mutation::InsertToken:
            input.insert(at, kTokens.at(pick(kTokens.size())));
            break;
        case Mutation::Delete:
            input.remove(at, 1 + pick(16));
            break;
        case Mutation::Duplicate:
            input.insert(at, input.mid(at, 1 + pick(64)));
            break;
        case Mutation::Truncate:
            input.truncate(at);
            break;
        }
    }
    return input;
}

} // namespace

Q_DECLARE_METATYPE(RtfErrorKind)

class TestRtfMalformed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refused_data();
    void refused();
    void tolerated_data();
    void tolerated();
    void mutations_data();
    void mutations();
};

void TestRtfMalformed::refused_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<RtfErrorKind>("kind");

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919) & 0xFF));

    QTest::newRow("empty") << QByteArray() << RtfErrorKind::NotRtf;
    QTest::newRow("plain text") << QByteArray("hello {\\rtf1}") << RtfErrorKind::NotRtf;
    QTest::newRow("binary junk") << junk << RtfErrorKind::NotRtf;
    QTest::newRow("truncated text") << QByteArray("{\\rtf1 abc") << RtfErrorKind::Truncated;
    QTest::newRow("unclosed group") << QByteArray("{\\rtf1 {\\b abc}") << RtfErrorKind::Truncated;
    QTest::newRow("ends in a backslash") << QByteArray("{\\rtf1 abc\\") << RtfErrorKind::Truncated;
    QTest::newRow("ends in \\'h") << QByteArray("{\\rtf1 abc\\'4") << RtfErrorKind::Truncated;
    QTest::newRow("\\bin longer than the file") << QByteArray("{\\rtf1 a\\bin100 xyz}") << RtfErrorKind::Truncated;
    QTest::newRow("\\bin of 2 GB") << QByteArray("{\\rtf1 \\bin2147483647 x}") << RtfErrorKind::Truncated;
    QTest::newRow("extra closing brace") << QByteArray("{\\rtf1 a}}") << RtfErrorKind::TextAfterEnd;
    QTest::newRow("text after the end") << QByteArray("{\\rtf1 a} more") << RtfErrorKind::TextAfterEnd;
    QTest::newRow("11 digits") << QByteArray("{\\rtf1 \\fs99999999999 a}") << RtfErrorKind::NumberTooLarge;
    QTest::newRow("beyond 32 bits") << QByteArray("{\\rtf1 \\fs2147483648 a}") << RtfErrorKind::NumberTooLarge;
    QTest::newRow("beyond 32 bits negative") << QByteArray("{\\rtf1 \\u-2147483649 a}") << RtfErrorKind::NumberTooLarge;
    QTest::newRow("long control word") << QByteArray("{\\rtf1 \\") + QByteArray(33, 'x') + " a}"
                                       << RtfErrorKind::ControlWordTooLong;
    QTest::newRow("one group too deep")
        << QByteArray("{\\rtf1 ") + QByteArray("{").repeated(kMaxGroupDepth) + QByteArray("}").repeated(kMaxGroupDepth) + "}"
        << RtfErrorKind::TooDeep;
    QTest::newRow("a million open groups") << QByteArray("{\\rtf1 ") + QByteArray("{").repeated(1000000) << RtfErrorKind::TooDeep;
    QTest::newRow("too many paragraphs")
        << QByteArray("{\\rtf1 ") + QByteArray("\\par").repeated(kMaxPieces + 1) + "}" << RtfErrorKind::TooManyPieces;
    QTest::newRow("too many format changes")
        << QByteArray("{\\rtf1 ") + QByteArray("\\b a\\b0 a").repeated(kMaxPieces / 2 + 1) + "}" << RtfErrorKind::TooManyPieces;
    QTest::newRow("too large")
        << QByteArray("{\\rtf1 ") + QByteArray(kMaxInputBytes, 'a') + "}" << RtfErrorKind::TooLarge;
}

void TestRtfMalformed::refused()
{
    QFETCH(QByteArray, input);
    QFETCH(RtfErrorKind, kind);
    const RtfReadResult result = readRtf(input);
    QVERIFY(!result.hasValue());
    QCOMPARE(result.error().kind, kind);
    QVERIFY(result.error().offset >= 0 && result.error().offset <= input.size());
    QVERIFY(!rtfErrorText(result.error()).isEmpty());
}

void TestRtfMalformed::tolerated_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("deepest allowed nesting")
        << QByteArray("{\\rtf1 ") + QByteArray("{").repeated(kMaxGroupDepth - 1) + "x" + QByteArray("}").repeated(kMaxGroupDepth - 1) + "}"
        << "x";
    QTest::newRow("largest numbers") << QByteArray("{\\rtf1 \\fs2147483647\\cf-2147483648 a}") << "a";
    QTest::newRow("white space and NULs around") << QByteArray(" \r\n{\\rtf1 a}\r\n") + QByteArray(2, '\0') << "a";
    QTest::newRow("negative \\bin") << QByteArray("{\\rtf1 \\bin-5 x}") << "x";
    QTest::newRow("no font table, \\f used") << QByteArray("{\\rtf1 \\f3 x}") << "x";
    QTest::newRow("unterminated font entry")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial}{\\f1 Symbol}}\\f1 x}") << "x";
    QTest::newRow("colour table without entries") << QByteArray("{\\rtf1{\\colortbl}\\cf1 x}") << "x";
    QTest::newRow("empty groups only") << QByteArray("{\\rtf1{}{}{{}}}") << "";
}

void TestRtfMalformed::tolerated()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    const RtfReadResult result = readRtf(input);
    QVERIFY2(result.hasValue(), qPrintable(result ? QString() : rtfErrorText(result.error())));
    QString all;
    for (const RtfRun &r : result.value().paragraphs.constFirst().runs)
        all += r.text;
    QCOMPARE(all, text);
    QCOMPARE(readFault(input), QString());
}

void TestRtfMalformed::mutations_data()
{
    QTest::addColumn<QByteArray>("seed");

    RtfCharFormat symbol;
    symbol.fontName = QStringLiteral("Symbol");
    symbol.charset = FontCharset::Symbol;
    RtfCharFormat bold;
    bold.fontName = QStringLiteral("Odd;{name}");
    bold.bold = true;
    bold.size = 7.5;
    const RtfDocument written{{
        RtfParagraph{RtfAlignment::Centre, {RtfRun{QStringLiteral("\uF061\uF0FF A"), symbol},
                                            RtfRun{QStringLiteral("\u0416\\{}\t\u20ac"), bold}}},
        RtfParagraph{RtfAlignment::Right, {RtfRun{QString(), bold}}},
    }};

    QTest::newRow("LibreOffice Writer") << fixture("libreoffice-writer.rtf");
    QTest::newRow("RichEdit") << fixture("richedit.rtf");
    QTest::newRow("our writer") << writeRtf(written);
}

void TestRtfMalformed::mutations()
{
    QFETCH(QByteArray, seed);
    QVERIFY(!seed.isEmpty());
    QCOMPARE(readFault(seed), QString());

    // A fixed generator seed: the same mutations on every run and every machine.
    std::mt19937 rng(20240611u + quint32(seed.size()));
    for (int i = 0; i < 1500; ++i) {
        const QByteArray input = mutate(seed, rng);
        const QString fault = readFault(input);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("mutation %1: %2\n%3").arg(i).arg(fault, QString::fromLatin1(input.toPercentEncoding("{}\\ ;'")))));
    }
}

QTEST_GUILESS_MAIN(TestRtfMalformed)
#include "tst_rtfmalformed.moc"

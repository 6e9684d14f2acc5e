#include "fontmap/rules/QcmFormat.h"

#include <QTest>

namespace {

QByteArray record(int number, const QByteArray &content)
{
    return QByteArray::number(number) + ",\"" + content + '"';
}

QByteArray contentOf(int code)
{
    return code == 34 ? QByteArray("xx") : QByteArray(1, char(code));
}

// The records of a map whose cell i holds code 32 + i (every code once), or of an empty map.
QList<QByteArray> completeRecords()
{
    QList<QByteArray> records;
    for (int i = 0; i < 224; ++i)
        records.append(record(i + 1, contentOf(32 + i)));
    return records;
}

QList<QByteArray> emptyRecords()
{
    QList<QByteArray> records;
    for (int i = 0; i < 224; ++i)
        records.append(record(i + 1, {}));
    return records;
}

QByteArray joined(const QList<QByteArray> &records, const QByteArray &end = "\r\n", bool finalEnd = true)
{
    QByteArray bytes = records.join(end);
    if (finalEnd)
        bytes += end;
    return bytes;
}

QList<QByteArray> with(QList<QByteArray> records, int recordNumber, const QByteArray &line)
{
    records[recordNumber - 1] = line;
    return records;
}

} // namespace

class TestQcmFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void writtenBytes();
    void roundTrip();
};

void TestQcmFormat::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("cell");  // a cell to look at when it loads, or -1
    QTest::addColumn<int>("code");

    const QList<QByteArray> complete = completeRecords();
    const QList<QByteArray> empty = emptyRecords();

    // Record ends.
    QTest::newRow("CR LF") << joined(complete) << true << 33 << 65;
    QTest::newRow("LF") << joined(complete, "\n") << true << 223 << 255;
    QTest::newRow("CR") << joined(complete, "\r") << true << 223 << 255;
    QTest::newRow("no final end") << joined(complete, "\r\n", false) << true << 223 << 255;
    QTest::newRow("blank line between records") << joined(with(complete, 5, record(5, "$") + "\r\n")) << false << -1 << 0;

    // Length.
    QTest::newRow("empty map") << joined(empty) << true << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << false << -1 << 0;
    QTest::newRow("223 records") << joined(complete.mid(0, 223)) << false << -1 << 0;
    QTest::newRow("224th record without its text") << joined(complete.mid(0, 223)) + "224," << false << -1 << 0;
    QTest::newRow("extra lines after 224")
        << joined(complete + QList<QByteArray>{record(225, "A"), "garbage \"", "1,\"A\""}) << true << 33 << 65;
    QTest::newRow("longer than 64 KiB")
        << joined(complete) + QByteArray(QcmFormat::kMaxFileBytes, '\n') << false << -1 << 0;

    // Number fields.
    QTest::newRow("number abc, empty text") << joined(with(empty, 5, "abc,\"\"")) << false << -1 << 0;
    QTest::newRow("number 99999999999") << joined(with(empty, 5, "99999999999,\"\"")) << false << -1 << 0;
    QTest::newRow("number 2147483648") << joined(with(empty, 5, "2147483648,\"\"")) << false << -1 << 0;
    QTest::newRow("number -1, empty text") << joined(with(empty, 5, "-1,\"\"")) << true << 4 << 0;
    QTest::newRow("number -1, A") << joined(with(empty, 5, "-1,\"A\"")) << false << -1 << 0;
    QTest::newRow("no number") << joined(with(empty, 5, ",\"\"")) << false << -1 << 0;
    QTest::newRow("number 5x") << joined(with(complete, 5, "5x,\"$\"")) << false << -1 << 0;
    QTest::newRow("blanks around fields") << joined(with(empty, 5, "  5 ,\t\"A\"  ")) << true << 4 << 65;
    // A number written with a fraction or an exponent is the number it is, read into the whole
    // number of the field as any numeric text is: to the nearest, a half to the even one.
    QTest::newRow("number 1.0, A") << joined(with(empty, 1, "1.0,\"A\"")) << true << 0 << 65;
    QTest::newRow("number 5.00, A") << joined(with(empty, 5, "5.00,\"A\"")) << true << 4 << 65;
    QTest::newRow("number 5., A") << joined(with(empty, 5, "5.,\"A\"")) << true << 4 << 65;
    QTest::newRow("number +5, A") << joined(with(empty, 5, "+5,\"A\"")) << true << 4 << 65;
    QTest::newRow("number 5E0, A") << joined(with(empty, 5, "5E0,\"A\"")) << true << 4 << 65;
    QTest::newRow("number 0.5e1, A") << joined(with(empty, 5, "0.5e1,\"A\"")) << true << 4 << 65;
    QTest::newRow("number 4.6, A in record 5") << joined(with(empty, 5, "4.6,\"A\"")) << true << 4 << 65;
    QTest::newRow("number 4.5, A in record 5") << joined(with(empty, 5, "4.5,\"A\"")) << false << -1 << 0;
    QTest::newRow("number 5.5, A in record 5") << joined(with(empty, 5, "5.5,\"A\"")) << false << -1 << 0;
    QTest::newRow("number 2147483647.4, empty text") << joined(with(empty, 5, "2147483647.4,\"\"")) << true << 4 << 0;
    QTest::newRow("number 2147483647.5, empty text") << joined(with(empty, 5, "2147483647.5,\"\"")) << false << -1 << 0;
    QTest::newRow("number 1e10, empty text") << joined(with(empty, 5, "1e10,\"\"")) << false << -1 << 0;
    QTest::newRow("number 1.0.0") << joined(with(empty, 1, "1.0.0,\"A\"")) << false << -1 << 0;
    QTest::newRow("number 5e") << joined(with(empty, 5, "5e,\"\"")) << false << -1 << 0;
    QTest::newRow("number .") << joined(with(empty, 5, ".,\"\"")) << false << -1 << 0;
    QTest::newRow("number inf") << joined(with(empty, 5, "inf,\"\"")) << false << -1 << 0;
    QTest::newRow("number nan") << joined(with(empty, 5, "nan,\"\"")) << false << -1 << 0;
    QTest::newRow("number 0x5") << joined(with(empty, 5, "0x5,\"\"")) << false << -1 << 0;

    // Numbering.
    QTest::newRow("record 7 A numbered 8") << joined(with(empty, 7, record(8, "A"))) << false << -1 << 0;
    QTest::newRow("record 7 empty numbered 8") << joined(with(empty, 7, record(8, ""))) << true << 6 << 0;

    // Characters.
    QTest::newRow("xx") << joined(with(empty, 35, record(35, "xx"))) << true << 34 << 34;
    QTest::newRow("XX is the letter X") << joined(with(empty, 35, record(35, "XX"))) << true << 34 << 88;
    QTest::newRow("longer text: its first character") << joined(with(empty, 1, record(1, "AB"))) << true << 0 << 65;
    QTest::newRow("comma between the quotes") << joined(with(empty, 1, record(1, ","))) << true << 0 << 44;
    QTest::newRow("unquoted text") << joined(with(empty, 1, "1,A")) << true << 0 << 65;
    QTest::newRow("lone quote is an empty field") << joined(with(empty, 1, "1,\"\"\"")) << true << 0 << 0;
    QTest::newRow("byte below 32") << joined(with(empty, 1, record(1, "\x1f"))) << false << -1 << 0;
    QTest::newRow("NUL byte") << joined(with(empty, 1, record(1, QByteArray(1, '\0')))) << false << -1 << 0;
    QTest::newRow("line end between the quotes") << joined(with(empty, 1, record(1, "\r\n"))) << false << -1 << 0;
    QTest::newRow("duplicate, adjacent")
        << joined(with(with(empty, 1, record(1, "A")), 2, record(2, "A"))) << false << -1 << 0;
    QTest::newRow("duplicate, far apart")
        << joined(with(with(empty, 1, record(1, "\xff")), 224, record(224, "\xff"))) << false << -1 << 0;

    // Broken files.
    QTest::newRow("unterminated quote, record 224") << joined(with(empty, 224, "224,\"A")) << false << -1 << 0;
    QTest::newRow("unterminated quote, record 5") << joined(with(empty, 5, "5,\"A")) << false << -1 << 0;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131 + 7) % 256));
    QTest::newRow("binary") << binary << false << -1 << 0;
    QTest::newRow("one long line") << QByteArray(QcmFormat::kMaxFileBytes, 'A') << false << -1 << 0;
}

void TestQcmFormat::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QFETCH(int, cell);
    QFETCH(int, code);
    const QcmFormat::ReadResult result = QcmFormat::parse(bytes);
    QCOMPARE(result.cells.has_value(), loads);
    QCOMPARE(result.reason.isEmpty(), loads);
    if (loads && cell >= 0)
        QCOMPARE(int((*result.cells)[cell]), code);
}

void TestQcmFormat::writtenBytes()
{
    CustomMapCells cells{};
    cells[0] = 'A';
    cells[34] = '"';
    cells[223] = 0xff;
    const QByteArray bytes = QcmFormat::serialize(cells);
    QVERIFY(bytes.startsWith(QByteArray::fromHex("312C2241220D0A322C22220D0A")));
    QVERIFY(bytes.contains(QByteArray::fromHex("0D0A352C22220D0A")));
    QVERIFY(bytes.contains(QByteArray::fromHex("0D0A33352C227878220D0A")));
    QVERIFY(bytes.endsWith(QByteArray::fromHex("0D0A3232342C22FF220D0A")));
    QCOMPARE(bytes.count("\r\n"), 224);
}

// Every code in every cell, and maps with empty cells between the placed ones.
void TestQcmFormat::roundTrip()
{
    for (int shift = 0; shift < 224; ++shift) {
        CustomMapCells cells{};
        for (int i = 0; i < 224; ++i)
            cells[i] = quint8(32 + (i + shift) % 224);
        const QcmFormat::ReadResult result = QcmFormat::parse(QcmFormat::serialize(cells));
        QVERIFY2(result.cells, qPrintable(QStringLiteral("shift %1: %2").arg(shift).arg(result.reason)));
        QVERIFY(*result.cells == cells);
    }
    for (int step : {1, 2, 3, 28, 224}) {
        CustomMapCells cells{};
        for (int i = 0; i < 224; i += step)
            cells[i] = quint8(255 - i);
        const QcmFormat::ReadResult result = QcmFormat::parse(QcmFormat::serialize(cells));
        QVERIFY2(result.cells, qPrintable(result.reason));
        QVERIFY(*result.cells == cells);
    }
}

QTEST_GUILESS_MAIN(TestQcmFormat)
#include "tst_qcmformat.moc"

#include "fontmap/rules/CodeTable.h"

#include <QTest>

class TestCodeTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bin_data();
    void bin();
    void standardRow_data();
    void standardRow();
    void customMapRows_data();
    void customMapRows();
    void description_data();
    void description();
};

void TestCodeTable::bin_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("digits");
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("negative") << -5 << "";
    QTest::newRow("one") << 1 << "1";
    QTest::newRow("two") << 2 << "10";
    QTest::newRow("space") << 32 << "100000";
    QTest::newRow("1024") << 1024 << "10000000000";
    QTest::newRow("255") << 255 << "11111111";
    QTest::newRow("2^30") << (1 << 30) << "1" + QString(30, QLatin1Char('0'));
    QTest::newRow("2^31-2") << 2147483646 << QString(30, QLatin1Char('1')) + "0";
}

void TestCodeTable::bin()
{
    QFETCH(int, value);
    QFETCH(QString, digits);
    QCOMPARE(Bin(value), digits);
}

void TestCodeTable::standardRow_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("space") << 32 << QStringList{"32", "20", "40", "100000", "Space Bar"};
    QTest::newRow("A") << 65 << QStringList{"65", "41", "101", "1000001", "A"};
    QTest::newRow("tilde") << 126 << QStringList{"126", "7E", "176", "1111110", "~"};
    QTest::newRow("127") << 127 << QStringList{"127", "7F", "177", "1111111", "Alt+0127"};
    QTest::newRow("255") << 255 << QStringList{"255", "FF", "377", "11111111", "Alt+0255"};
}

void TestCodeTable::standardRow()
{
    QFETCH(int, code);
    QFETCH(QStringList, row);
    CodeTable table;
    const QString caption = QString(QChar(char16_t(code)));
    table.fillRow(code - 32, code, standardKeyStroke(code, caption));
    for (int column = 0; column < CodeTable::kColumns; ++column)
        QCOMPARE(table.at(code - 32, column), row.at(column));
}

using CellCodes = QList<QPair<int, int>>; // cell, code
Q_DECLARE_METATYPE(CodeTable::Row)

void TestCodeTable::customMapRows_data()
{
    QTest::addColumn<CellCodes>("placed");
    QTest::addColumn<int>("charset");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QStringList>("row");
    const int ansi = int(FontCharset::Ansi);
    const CellCodes ctrlPair{{3, 128}, {10, 127}};
    QTest::newRow("128 in cell 3 first") << ctrlPair << ansi << 3 << QStringList{"128", "80", "200", "10000000", "Ctrl+1"};
    QTest::newRow("127 in cell 10 second") << ctrlPair << ansi << 10 << QStringList{"127", "7F", "177", "1111111", "Ctrl+2"};
    QTest::newRow("128 alone") << CellCodes{{200, 128}} << ansi << 200 << QStringList{"128", "80", "200", "10000000", "Ctrl+1"};
    QTest::newRow("empty cell between") << ctrlPair << ansi << 5 << QStringList{"", "", "", "", ""};
    QTest::newRow("129 as Alt") << CellCodes{{0, 129}} << ansi << 0 << QStringList{"129", "81", "201", "10000001", "Alt+0129"};
    QTest::newRow("space") << CellCodes{{223, 32}} << ansi << 223 << QStringList{"32", "20", "40", "100000", "Space Bar"};
    QTest::newRow("quote") << CellCodes{{1, 34}} << ansi << 1 << QStringList{"34", "22", "42", "100010", "\""};
    QTest::newRow("symbol font labels with its character")
        << CellCodes{{7, 65}} << int(FontCharset::Symbol) << 7
        << QStringList{"65", "41", "101", "1000001", QString(QChar(0xF041))};
}

void TestCodeTable::customMapRows()
{
    QFETCH(CellCodes, placed);
    QFETCH(int, charset);
    QFETCH(int, cell);
    QFETCH(QStringList, row);
    CodeTable table;
    table.fillRow(cell, 65, QStringLiteral("left over from the last map"));
    CustomMapCells cells{};
    for (const auto &[index, code] : placed)
        cells[index] = quint8(code);
    table.fillCustomMap(cells, FontCharset(charset));
    for (int column = 0; column < CodeTable::kColumns; ++column)
        QCOMPARE(table.at(cell, column), row.at(column));
}

void TestCodeTable::description_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<CodeTable::Row>("row");
    QTest::addColumn<QString>("description");
    const auto standard = [](int code) {
        const QString caption{QChar(char16_t(code))};
        return CodeTable::rowOf(code, standardKeyStroke(code, caption));
    };
    QTest::newRow("e acute") << "é" << standard(233) << "é, Dec 233, Hex E9, Alt+0233";
    QTest::newRow("space") << " " << standard(32) << " , Dec 32, Hex 20, Space Bar";
    QTest::newRow("letter") << "A" << standard(65) << "A, Dec 65, Hex 41, A";
    QTest::newRow("percent stays a character") << "%" << standard(37) << "%, Dec 37, Hex 25, %";
    QTest::newRow("typed with Ctrl") << "€" << CodeTable::rowOf(128, "Ctrl+2") << "€, Dec 128, Hex 80, Ctrl+2";
    QTest::newRow("symbol font") << QString(QChar(0xF041)) << CodeTable::rowOf(65, QString(QChar(0xF041)))
                                 << QString(QChar(0xF041)) + ", Dec 65, Hex 41, " + QChar(0xF041);
    QTest::newRow("empty custom map cell") << "" << CodeTable::Row{} << "";
}

void TestCodeTable::description()
{
    QFETCH(QString, caption);
    QFETCH(CodeTable::Row, row);
    QFETCH(QString, description);
    QCOMPARE(describeCode(caption, row), description);
}

QTEST_GUILESS_MAIN(TestCodeTable)
#include "tst_codetable.moc"

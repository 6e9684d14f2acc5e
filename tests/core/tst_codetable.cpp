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

QTEST_GUILESS_MAIN(TestCodeTable)
#include "tst_codetable.moc"

#include "fontmap/rules/CustomMapName.h"

#include <QTest>

class TestCustomMapName : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayName_data();
    void displayName();
};

void TestCustomMapName::displayName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Greek.QCM") << "Greek.QCM" << "Greek";
    QTest::newRow("lower case") << "greek.qcm" << "greek";
    QTest::newRow("mixed case") << "Greek.Qcm" << "Greek";
    QTest::newRow("no extension") << "Greek" << "Greek";
    QTest::newRow("QCM alone") << "QCM" << "QCM";
    QTest::newRow(".qcm alone") << ".qcm" << "";
    QTest::newRow("other extension") << "Greek.txt" << "Greek.txt";
    QTest::newRow("two extensions") << "Greek.qcm.qcm" << "Greek.qcm";
    QTest::newRow("ends in qcm without a point") << "Greekqcm" << "Greekqcm";
}

void TestCustomMapName::displayName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, shown);
    QCOMPARE(customMapDisplayName(fileName), shown);
}

QTEST_GUILESS_MAIN(TestCustomMapName)
#include "tst_custommapname.moc"

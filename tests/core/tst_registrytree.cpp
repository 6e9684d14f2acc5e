#include "core/RegistryTree.h"

#include <QTest>

namespace {

const QString kKey = QStringLiteral("Software\\Quorvil\\Many");

// Names that differ from their look-up spelling only in case, some beyond ASCII.
QString nameOf(int i)
{
    static const QStringList stems{QStringLiteral("Value"), QStringLiteral("Ärger"), QStringLiteral("ÉCOLE"),
                                   QStringLiteral("Σίσυφος")};
    return stems.at(i % stems.size()) + QString::number(i);
}

QString otherCase(const QString &name)
{
    return name.front().isUpper() ? name.toLower() : name.toUpper();
}

RegData data(int i)
{
    return {REG_SZ, QByteArray::number(i)};
}

} // namespace

class TestRegistryTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesMatchWithoutCaseInShortAndLongLists_data();
    void namesMatchWithoutCaseInShortAndLongLists();
};

void TestRegistryTree::namesMatchWithoutCaseInShortAndLongLists_data()
{
    QTest::addColumn<int>("count");
    // A key's short lists are searched in order, its long ones through an index: both
    // sides of the change, and a list that crosses it while values come and go.
    for (const int count : {1, 15, 16, 17, 40})
        QTest::newRow(qPrintable(QString::number(count))) << count;
}

void TestRegistryTree::namesMatchWithoutCaseInShortAndLongLists()
{
    QFETCH(int, count);
    RegistryTree tree;
    QVERIFY(tree.createKey(kKey));
    for (int i = 0; i < count; ++i) {
        QVERIFY(tree.setValue(kKey, nameOf(i), data(i)));
        QVERIFY(tree.createKey(kKey + QLatin1Char('\\') + nameOf(i)));
    }
    for (int i = 0; i < count; ++i) {
        // Found in any case; writing in another case replaces the value and keeps the
        // name as first written.
        QCOMPARE(tree.value(kKey, otherCase(nameOf(i))), data(i));
        QVERIFY(tree.keyExists(kKey + QLatin1Char('\\') + otherCase(nameOf(i))));
        QVERIFY(tree.setValue(kKey, otherCase(nameOf(i)), data(i + 1000)));
        QVERIFY(tree.createKey(kKey + QLatin1Char('\\') + otherCase(nameOf(i))));
    }
    QVERIFY(!tree.value(kKey, QStringLiteral("Value")));

    // Every other one deleted, then written again: it comes back last.
    for (int i = 0; i < count; i += 2) {
        QVERIFY(tree.deleteValue(kKey, otherCase(nameOf(i))));
        QVERIFY(tree.deleteKey(kKey + QLatin1Char('\\') + otherCase(nameOf(i))));
    }
    for (int i = 0; i < count; ++i) {
        QCOMPARE(tree.value(kKey, nameOf(i)).has_value(), i % 2 == 1);
        QCOMPARE(tree.keyExists(kKey + QLatin1Char('\\') + nameOf(i)), i % 2 == 1);
    }
    for (int i = 0; i < count; i += 2) {
        QVERIFY(tree.setValue(kKey, otherCase(nameOf(i)), data(i)));
        QVERIFY(tree.createKey(kKey + QLatin1Char('\\') + nameOf(i)));
    }

    const RegistryTree::Key &key = tree.root().subkeys.front().subkeys.front().subkeys.front();
    QCOMPARE(qsizetype(key.values.size()), qsizetype(count));
    QCOMPARE(qsizetype(key.subkeys.size()), qsizetype(count));
    QStringList expected;
    for (int i = 1; i < count; i += 2)
        expected << nameOf(i);
    for (int i = 0; i < count; i += 2)
        expected << otherCase(nameOf(i));
    QStringList names;
    for (const RegistryTree::Value &v : key.values)
        names << v.name;
    QCOMPARE(names, expected);
    for (int i = 0; i < count; ++i)
        QCOMPARE(tree.value(kKey, otherCase(nameOf(i))), data(i % 2 ? i + 1000 : i));
}

QTEST_GUILESS_MAIN(TestRegistryTree)
#include "tst_registrytree.moc"

#include "core/GlobalDeclarations.h"

#include <QTest>

#include <array>
#include <optional>

class TestGlobalDeclarations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshStateIsCurrent();
    void endingInAnyOrder_data();
    void endingInAnyOrder();

private:
    // The state the program's main would construct.
    GlobalDeclarations m_program;
};

void TestGlobalDeclarations::freshStateIsCurrent()
{
    globals().gAppName = QStringLiteral("Quorvil");
    globals().gMsgResult = true;
    globals().gToolTips = false;
    globals().gFontCount = 3;
    {
        const GlobalDeclarations fresh;
        QCOMPARE(&globals(), &fresh);
        QVERIFY(globals().gAppName.isEmpty());
        QVERIFY(!globals().gMsgResult);
        QVERIFY(globals().gToolTips);
        QVERIFY(globals().gColorScheme);
        QCOMPARE(globals().gFontCount, 0);
    }
    QCOMPARE(&globals(), &m_program);
    QCOMPARE(globals().gAppName, QStringLiteral("Quorvil"));
    QCOMPARE(globals().gFontCount, 3);
}

// Three states begun in turn end in the given order; after each end, the newest one still
// alive is current (-1: the program's own).
void TestGlobalDeclarations::endingInAnyOrder_data()
{
    QTest::addColumn<QList<int>>("endOrder");
    QTest::addColumn<QList<int>>("currentAfter");
    QTest::newRow("newest first") << QList<int>{2, 1, 0} << QList<int>{1, 0, -1};
    QTest::newRow("oldest first") << QList<int>{0, 1, 2} << QList<int>{2, 2, -1};
    QTest::newRow("middle first") << QList<int>{1, 2, 0} << QList<int>{2, 0, -1};
}

void TestGlobalDeclarations::endingInAnyOrder()
{
    QFETCH(QList<int>, endOrder);
    QFETCH(QList<int>, currentAfter);
    std::array<std::optional<GlobalDeclarations>, 3> states;
    for (auto &state : states)
        state.emplace();
    QCOMPARE(&globals(), &*states[2]);
    for (int step = 0; step < endOrder.size(); ++step) {
        states[endOrder[step]].reset();
        const int expected = currentAfter[step];
        QCOMPARE(&globals(), expected < 0 ? &m_program : &*states[expected]);
    }
}

QTEST_GUILESS_MAIN(TestGlobalDeclarations)
#include "tst_globaldeclarations.moc"

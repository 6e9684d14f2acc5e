#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "app/LockPanels.h"
#include "platform/XkbKeyboardLocks.h"
#include "platform/fakes/FakeKeyboardLocks.h"

#include <QLabel>

using Lock = KeyboardLocks::Lock;
using State = KeyboardLocks::State;

class TestLockPanels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelsFollowTheLocks_data();
    void panelsFollowTheLocks();
    void offscreenCannotTell();
    void mainWindowStatusBar();
};

void TestLockPanels::panelsFollowTheLocks_data()
{
    QTest::addColumn<int>("lock");
    QTest::newRow("NUM") << int(Lock::Num);
    QTest::newRow("CAPS") << int(Lock::Caps);
    QTest::newRow("SCRL") << int(Lock::Scroll);
}

void TestLockPanels::panelsFollowTheLocks()
{
    QFETCH(int, lock);
    FakeKeyboardLocks locks;
    QLabel num(QStringLiteral("NUM")), caps(QStringLiteral("CAPS")), scrl(QStringLiteral("SCRL"));
    const std::array<QLabel *, 3> panels{&num, &caps, &scrl};
    LockPanels shown(locks, panels);
    const auto plain = [&] {
        QList<bool> enabled;
        for (QLabel *panel : panels)
            enabled << panel->isEnabled();
        return enabled;
    };
    // Nothing known: every panel stays as it was built.
    QCOMPARE(plain(), (QList<bool>{true, true, true}));

    // One lock goes off, on and off again; only its own panel follows, each time.
    QList<bool> expected{true, true, true};
    for (const State state : {State::Off, State::On, State::Off}) {
        locks.setState(Lock(lock), state);
        expected[lock] = state != State::Off;
        QCOMPARE(plain(), expected);
    }
    // The texts are never touched.
    QCOMPARE(caps.text(), QStringLiteral("CAPS"));

    // Back to unknown: the panel shows its text plainly again.
    locks.setState(Lock(lock), State::Unknown);
    QCOMPARE(plain(), (QList<bool>{true, true, true}));
}

void TestLockPanels::offscreenCannotTell()
{
    XkbKeyboardLocks locks;
    for (const Lock lock : {Lock::Num, Lock::Caps, Lock::Scroll})
        QCOMPARE(locks.state(lock), State::Unknown);
}

void TestLockPanels::mainWindowStatusBar()
{
    MainWindowFixture f;
    f.keyboardLocks.setState(Lock::Num, State::On);
    f.keyboardLocks.setState(Lock::Caps, State::Off);
    QVERIFY(f.start());
    const auto &panels = f.controls().StatPanels;
    // The states at start-up are shown at once.
    QVERIFY(panels[0]->isEnabled());
    QVERIFY(!panels[1]->isEnabled());
    QVERIFY(panels[2]->isEnabled());
    // Caps Lock pressed.
    f.keyboardLocks.setState(Lock::Caps, State::On);
    QVERIFY(panels[1]->isEnabled());
    QCOMPARE(panels[1]->text(), QStringLiteral("CAPS"));
}

QUORVIL_TEST_MAIN(TestLockPanels)
#include "tst_lockpanels.moc"

// The lock states as the X server keeps them: another X client (xdotool) presses Caps Lock,
// and the service reads the server's indicator and reports the change. Runs under xvfb-run;
// skips without an X server or xdotool.
#include "support/TestMain.h"

#include "platform/XkbKeyboardLocks.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWidget>

using Lock = KeyboardLocks::Lock;
using State = KeyboardLocks::State;

class TestKeyboardLocksX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void capsLockPressedInOurWindow();

private:
    static bool xdotool(const QStringList &arguments);
};

bool TestKeyboardLocksX11::xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

void TestKeyboardLocksX11::capsLockPressedInOurWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");

    XkbKeyboardLocks locks;
    for (const Lock lock : {Lock::Num, Lock::Caps, Lock::Scroll})
        QVERIFY(locks.state(lock) != State::Unknown);

    QWidget window;
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const State before = locks.state(Lock::Caps);
    const State after = before == State::On ? State::Off : State::On;
    QSignalSpy changed(&locks, &KeyboardLocks::changed);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")}));
    QTRY_COMPARE(locks.state(Lock::Caps), after);
    // The key reached our window: the change was reported once, without being asked for.
    QTRY_COMPARE(changed.count(), 1);

    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")}));
    QTRY_COMPARE(locks.state(Lock::Caps), before);
    QTRY_COMPARE(changed.count(), 2);
}

QUORVIL_TEST_MAIN(TestKeyboardLocksX11)
#include "tst_keyboardlocks_x11.moc"

// The program's windows as another X client sees them: xprop reads the icon that a window
// manager shows for the main window and for a dialog, and the name of the desktop entry that
// shells match the windows to. Runs under xvfb-run; skips without an X server or xprop.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "app/About.h"
#include "app/rules/ProductInfo.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString xprop(const QWidget &window, const QString &property)
{
    QProcess process;
    process.start(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), QString::number(window.winId()), property});
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The sizes of the icons in a window's _NET_WM_ICON, as xprop lists them.
QStringList iconSizes(const QWidget &window)
{
    QStringList sizes;
    const QRegularExpression icon(QStringLiteral(R"(Icon \((\d+) x (\d+)\))"));
    for (const auto &m : icon.globalMatch(xprop(window, QStringLiteral("_NET_WM_ICON"))))
        sizes << m.captured(1) + QLatin1Char('x') + m.captured(2);
    return sizes;
}

} // namespace

class TestWindowIconX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void mainWindowShowsTheIcon();
    void dialogsShowItToo();

private:
    std::unique_ptr<MainWindowFixture> m_f;
};

void TestWindowIconX11::init()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        QSKIP("needs xprop (x11-utils)");
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    QVERIFY(QTest::qWaitForWindowExposed(&m_f->window()));
}

void TestWindowIconX11::mainWindowShowsTheIcon()
{
    // Sizes for a menu, a task bar and a switcher, at scale 1 and 2.
    QTRY_VERIFY(!iconSizes(m_f->window()).isEmpty());
    const QStringList sizes = iconSizes(m_f->window());
    for (const char *size : {"16x16", "32x32", "64x64", "128x128"})
        QVERIFY2(sizes.contains(QLatin1String(size)), qPrintable(size + QStringLiteral(" in ") + sizes.join(' ')));
    // Shells that match windows to entries by the window's desktop file name find ours.
    QCOMPARE(QGuiApplication::desktopFileName(), ProductInfo::desktopFileName());
}

void TestWindowIconX11::dialogsShowItToo()
{
    QStringList seen;
    const auto watcher = WhenModal::run<About>([&seen](About *about) {
        if (!about->isVisible() || !about->windowHandle() || !about->windowHandle()->isExposed())
            return false;
        seen = iconSizes(*about);
        about->close();
        return true;
    });
    m_f->window().runCommand(QStringLiteral("HelpAbout"));
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen, iconSizes(m_f->window()));
}

QUORVIL_TEST_MAIN(TestWindowIconX11)
#include "tst_windowicon_x11.moc"

// The whole-text copy read back by another X client: xclip asks the real clipboard for the
// plain text and for the RTF. Runs under xvfb-run; skips without an X server or xclip.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "platform/Clipboard.h"
#include "textboard/RichTextBox.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

class TestWholeTextX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void xclipReadsBothFormats_data();
    void xclipReadsBothFormats();

private:
    // Our process must keep answering the clipboard requests while xclip waits, so the
    // event loop runs until it is done.
    static QByteArray xclip(const QStringList &arguments);
};

QByteArray TestWholeTextX11::xclip(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xclip"), QStringList{QStringLiteral("-o"), QStringLiteral("-selection"),
                                                       QStringLiteral("clipboard")} + arguments);
    if (!process.waitForStarted(5000))
        return {};
    QDeadlineTimer deadline(20000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(20);
    return process.readAllStandardOutput();
}

void TestWholeTextX11::xclipReadsBothFormats_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("copy") << "ToolsCopy";
    QTest::newRow("cut") << "ToolsCut";
}

void TestWholeTextX11::xclipReadsBothFormats()
{
    QFETCH(QString, command);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        QSKIP("needs xclip");

    MainWindowFixture f;
    SystemClipboard system;
    f.clipboardService = &system;
    QVERIFY(f.start());
    for (const char *item : {"DisplayCD", "DisplayOW"})
        f.window().commands().setChecked(QString::fromLatin1(item), false);
    f.window().textBoardFormat().SetTBBold(1);
    f.window().textBoardFormat().SetTBAlignment(2);
    f.controls().TextBoard->setText(QStringLiteral("Clipboard \u00e9\r\nsecond line"));
    f.window().runCommand(command);

    const QByteArray targets = xclip({QStringLiteral("-t"), QStringLiteral("TARGETS")});
    QVERIFY2(targets.contains("text/rtf"), targets.constData());
    QVERIFY(targets.contains("application/rtf"));

    const QByteArray plain = xclip({QStringLiteral("-t"), QStringLiteral("UTF8_STRING")});
    QCOMPARE(QString::fromUtf8(plain), QStringLiteral("Clipboard \u00e9\nsecond line"));

    const QByteArray rtf = xclip({QStringLiteral("-t"), QStringLiteral("text/rtf")});
    QVERIFY2(rtf.startsWith("{\\rtf"), rtf.left(80).constData());
    RichTextBox pasted;
    QVERIFY(pasted.setTextRTF(rtf));
    QCOMPARE(pasted.Text(), QStringLiteral("Clipboard \u00e9\r\nsecond line"));
    pasted.setSelLength(pasted.Text().size());
    QCOMPARE(pasted.SelBold(), std::optional<bool>(true));
    QCOMPARE(pasted.SelAlignment(), std::optional<int>(2));
}

QUORVIL_TEST_MAIN(TestWholeTextX11)
#include "tst_wholetext_x11.moc"

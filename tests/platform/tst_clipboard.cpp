// The system clipboard service over QClipboard (the offscreen clipboard keeps its data
// within the process).
#include "support/TestMain.h"

#include "platform/Clipboard.h"

#include <QClipboard>
#include <QMimeData>

class TestClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainText();
    void textWithRtf();
    void clearLeavesNoText();
};

void TestClipboard::plainText()
{
    SystemClipboard clipboard;
    clipboard.setText(QStringLiteral("one\ntwo \u00e9\u20ac"));
    QVERIFY(clipboard.hasText());
    QCOMPARE(clipboard.text(), QStringLiteral("one\ntwo \u00e9\u20ac"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo \u00e9\u20ac"));
}

void TestClipboard::textWithRtf()
{
    SystemClipboard clipboard;
    const QByteArray rtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 text\\par}");
    clipboard.setTextWithRtf(QStringLiteral("text"), rtf);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), QStringLiteral("text"));
    QCOMPARE(data->data(QStringLiteral("text/rtf")), rtf);
    QCOMPARE(data->data(QStringLiteral("application/rtf")), rtf);
    QCOMPARE(clipboard.text(), QStringLiteral("text"));
}

void TestClipboard::clearLeavesNoText()
{
    SystemClipboard clipboard;
    clipboard.setTextWithRtf(QStringLiteral("text"), QByteArray("{\\rtf1 text}"));
    clipboard.clear();
    QVERIFY(!clipboard.hasText());
    QCOMPARE(clipboard.text(), QString());
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(!data || !data->hasFormat(QStringLiteral("text/rtf")));
}

QUORVIL_TEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"

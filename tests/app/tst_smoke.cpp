#include "support/TestMain.h"

#include "fontmap/rules/Charset.h"

class TestSmoke : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void charsetRoundTrip();
};

void TestSmoke::charsetRoundTrip()
{
    for (int c = 0; c < 256; ++c) {
        for (FontCharset cs : {FontCharset::Ansi, FontCharset::Symbol}) {
            const QChar ch = charForCode(quint8(c), cs);
            QCOMPARE(codeForChar(ch, cs).value_or(0), quint8(c));
        }
    }
}

QUORVIL_TEST_MAIN(TestSmoke)
#include "tst_smoke.moc"

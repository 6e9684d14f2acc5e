#include "core/FileNames.h"

#include <QRandomGenerator>
#include <QTest>

class TestFileNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodes_data();
    void decodes();
    void everyByteStringComesBack();
    void textNamesEncodeAsUtf8();
};

void TestFileNames::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    const auto escaped = [](char16_t byte) { return QString(QChar(char16_t(0xDC00 + byte))); };
    QTest::newRow("ASCII") << QByteArray("/tmp/a.txt") << QStringLiteral("/tmp/a.txt");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80") << QStringLiteral("café € 😀");
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xe9.txt") << QStringLiteral("caf") + escaped(0xE9) + ".txt";
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << "a" + escaped(0x80) + "z";
    QTest::newRow("cut sequence at the end") << QByteArray("a\xe2\x82") << "a" + escaped(0xE2) + escaped(0x82);
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << escaped(0xC0) + escaped(0xAF);
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << escaped(0xED) + escaped(0xB3) + escaped(0xA9);
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                    << escaped(0xF4) + escaped(0x90) + escaped(0x80) + escaped(0x80);
    QTest::newRow("FF") << QByteArray("\xff") << escaped(0xFF);
}

void TestFileNames::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QCOMPARE(decodeFileName(bytes), name);
    QCOMPARE(encodeFileName(name), bytes);
    // Where the bytes are UTF-8 the name is what Qt itself makes of them.
    if (QUtf8StringView(bytes).isValidUtf8())
        QCOMPARE(name, QString::fromUtf8(bytes));
}

void TestFileNames::everyByteStringComesBack()
{
    // Every pair of bytes, and random strings long enough to hold every kind of sequence.
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            const QByteArray bytes{char(a), char(b)};
            QCOMPARE(encodeFileName(decodeFileName(bytes)), bytes);
        }
    }
    QRandomGenerator random(20240611);
    for (int n = 0; n < 20000; ++n) {
        QByteArray bytes(1 + random.bounded(12), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(1 + random.bounded(255));
        QCOMPARE(encodeFileName(decodeFileName(bytes)), bytes);
    }
}

void TestFileNames::textNamesEncodeAsUtf8()
{
    // A character beyond the BMP whose low surrogate lies in the escape range is a character.
    const QString beyond = QString::fromUcs4(std::array<char32_t, 1>{0x100E9}.data(), 1);
    QCOMPARE(encodeFileName(beyond), beyond.toUtf8());
    QCOMPARE(decodeFileName(beyond.toUtf8()), beyond);
    const char *argv[] = {"quorvil", "caf\xe9.txt", "--"};
    QCOMPARE(decodeArguments(3, argv),
             (QStringList{"quorvil", QStringLiteral("caf") + QChar(char16_t(0xDCE9)) + ".txt", "--"}));
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_filenames.moc"

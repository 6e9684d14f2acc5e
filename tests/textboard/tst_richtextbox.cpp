// The hidden rich-text twin: exact text and TextBoard positions, selection formats that
// read as empty when mixed, files, find and printing.
#include "support/NamedPipe.h"
#include "support/TestMain.h"

#include "textboard/RichTextBox.h"
#include "textboard/rules/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include <functional>

namespace {

using Box = RichTextBox;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void selectAll(Box &box)
{
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
}

void select(Box &box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

// The format CopyTBFormatToRTF gives the whole text.
void formatAll(Box &box, const QString &font, double size, ColorValue color, int alignment,
               FontCharset charset = FontCharset::Ansi)
{
    selectAll(box);
    box.setSelFontName(font);
    box.setSelCharset(charset);
    box.setSelFontSize(size);
    box.setSelBold(true);
    box.setSelItalic(false);
    box.setSelUnderline(true);
    box.setSelStrikeThru(false);
    box.setSelColor(color);
    box.setSelAlignment(alignment);
}

// One selection property, its setter and two different values, as strings.
struct Property
{
    std::function<std::optional<QString>(const Box &)> read;
    std::function<void(Box &)> setOther;
    QString initial;
    QString other;
};

template <typename T>
std::optional<QString> asText(const std::optional<T> &v)
{
    if (!v)
        return std::nullopt;
    if constexpr (std::is_same_v<T, QString>)
        return *v;
    else if constexpr (std::is_floating_point_v<T>)
        return QString::number(*v);
    else
        return QString::number(qint64(*v));
}

QMap<QString, Property> properties()
{
    return {
        {"SelFontName", {[](const Box &b) { return asText(b.SelFontName()); },
                         [](Box &b) { b.setSelFontName(QStringLiteral("Liberation Serif")); }, "Liberation Sans", "Liberation Serif"}},
        {"SelCharset", {[](const Box &b) { const auto c = b.SelCharset(); return asText(c ? std::optional<int>(int(*c)) : std::nullopt); },
                        [](Box &b) { b.setSelCharset(FontCharset::Symbol); }, "0", "1"}},
        {"SelFontSize", {[](const Box &b) { return asText(b.SelFontSize()); },
                         [](Box &b) { b.setSelFontSize(7.5); }, "12", "7.5"}},
        {"SelBold", {[](const Box &b) { return asText(b.SelBold()); }, [](Box &b) { b.setSelBold(false); }, "1", "0"}},
        {"SelItalic", {[](const Box &b) { return asText(b.SelItalic()); }, [](Box &b) { b.setSelItalic(true); }, "0", "1"}},
        {"SelUnderline", {[](const Box &b) { return asText(b.SelUnderline()); }, [](Box &b) { b.setSelUnderline(false); }, "1", "0"}},
        {"SelStrikeThru", {[](const Box &b) { return asText(b.SelStrikeThru()); }, [](Box &b) { b.setSelStrikeThru(true); }, "0", "1"}},
        {"SelColor", {[](const Box &b) { return asText(b.SelColor()); }, [](Box &b) { b.setSelColor(rgbColor(255, 0, 0)); },
                      QString::number(rgbColor(0, 0, 128)), QString::number(rgbColor(255, 0, 0))}},
        {"SelAlignment", {[](const Box &b) { return asText(b.SelAlignment()); }, [](Box &b) { b.setSelAlignment(1); }, "2", "1"}},
    };
}

} // namespace

Q_DECLARE_METATYPE(FontCharset)
Q_DECLARE_METATYPE(RichTextBox::FileKind)

class TestRichTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textIsKeptExactly_data();
    void textIsKeptExactly();
    void selectionIsClamped();
    void mixedPropertiesReadEmpty_data();
    void mixedPropertiesReadEmpty();
    void formatFollowsTextBoardPositions();
    void caretFormat();
    void emptyTextKeepsItsFormat();
    void newTextTakesTheStartFormat();
    void wholeSelectionFormatsEveryLine_data();
    void wholeSelectionFormatsEveryLine();
    void partKeepsTheRestsFormat();
    void rtfFileRoundTrip();
    void qufWithTwoSizesReadsMixed();
    void wordProcessorFileLoads();
    void plainTextFiles_data();
    void plainTextFiles();
    void loadFailures_data();
    void loadFailures();
    void plainTextReadIsBounded();
    void saveFailureKeepsTheOldFile();
    void find_data();
    void find();
    void findSelectsTheHit();
    void printsTheSelectionWithItsFormat();
};

void TestRichTextBox::textIsKeptExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("throughRtf");  // RTF lines are read back joined with CR LF

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("CR LF lines") << "one\r\ntwo\r\n\r\nthree" << "one\r\ntwo\r\n\r\nthree";
    QTest::newRow("trailing CR LF") << "one\r\n" << "one\r\n";
    QTest::newRow("lone LF and CR") << "a\nb\rc\r\r\nd" << "a\r\nb\r\nc\r\n\r\nd";
    QTest::newRow("separators the document would split at") << "a\u2029b\u2028c\uFDD0d" << "a\u2029b\u2028c\uFDD0d";
    const QString tabs = QString::fromUtf16(u"\t\uF061\U0001F600\u0000x", 6);
    QTest::newRow("tabs, symbols, astral and NUL characters") << tabs << tabs;
}

void TestRichTextBox::textIsKeptExactly()
{
    QFETCH(QString, text);
    QFETCH(QString, throughRtf);
    Box box;
    box.setText(text);
    QCOMPARE(box.Text(), text);

    Box copy;
    QVERIFY(copy.setTextRTF(box.TextRTF()));
    QCOMPARE(copy.Text(), throughRtf);
}

void TestRichTextBox::selectionIsClamped()
{
    Box box;
    box.setText(QStringLiteral("ab\r\ncd"));
    select(box, 2, 3);
    QCOMPARE(box.SelStart(), 2);
    QCOMPARE(box.SelLength(), 3);
    box.setSelStart(99);
    QCOMPARE(box.SelStart(), 6);
    QCOMPARE(box.SelLength(), 0);
    select(box, -4, 99);
    QCOMPARE(box.SelStart(), 0);
    QCOMPARE(box.SelLength(), 6);
    box.setText(QStringLiteral("x"));
    QCOMPARE(box.SelStart(), 0);
    QCOMPARE(box.SelLength(), 0);
}

void TestRichTextBox::mixedPropertiesReadEmpty_data()
{
    QTest::addColumn<QString>("property");
    for (const QString &name : properties().keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestRichTextBox::mixedPropertiesReadEmpty()
{
    QFETCH(QString, property);
    const Property p = properties().value(property);
    Box box;
    box.setText(QStringLiteral("first line\r\nsecond line"));
    formatAll(box, QStringLiteral("Liberation Sans"), 12, rgbColor(0, 0, 128), 2);
    QCOMPARE(p.read(box), std::optional<QString>(p.initial));

    // Change the second line only: the whole text is mixed, each line is not.
    select(box, 12, 11);
    p.setOther(box);
    QCOMPARE(p.read(box), std::optional<QString>(p.other));
    selectAll(box);
    QCOMPARE(p.read(box), std::nullopt);
    select(box, 0, 10);
    QCOMPARE(p.read(box), std::optional<QString>(p.initial));
    // A selection ending after the first line's break does not reach the second line.
    select(box, 0, 12);
    QCOMPARE(p.read(box), std::optional<QString>(p.initial));
    select(box, 9, 4);
    QCOMPARE(p.read(box), std::nullopt);
}

void TestRichTextBox::formatFollowsTextBoardPositions()
{
    // Positions count CR LF as two, so "cd" starts at 4 in the TextBoard and here.
    Box box;
    box.setText(QStringLiteral("ab\r\ncd\r\nef"));
    formatAll(box, QStringLiteral("Arial"), 10, rgbColor(0, 0, 0), 0);
    selectAll(box);
    box.setSelBold(false);
    select(box, 4, 2);
    box.setSelBold(true);

    const RtfReadResult doc = readRtf(box.TextRTF());
    QVERIFY(doc.hasValue());
    QCOMPARE(doc.value().paragraphs.size(), 3);
    const RtfParagraph &second = doc.value().paragraphs.at(1);
    QCOMPARE(second.runs.size(), 1);
    QCOMPARE(second.runs.at(0).text, QStringLiteral("cd"));
    QVERIFY(second.runs.at(0).format.bold);
    QVERIFY(!doc.value().paragraphs.at(2).runs.at(0).format.bold);

    // A selection from between CR and LF covers the next line's characters.
    select(box, 3, 2);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    select(box, 3, 4);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    select(box, 3, 6);
    QCOMPARE(box.SelBold(), std::nullopt);
}

void TestRichTextBox::caretFormat()
{
    Box box;
    box.setText(QStringLiteral("ab\r\ncd"));
    formatAll(box, QStringLiteral("Arial"), 10, rgbColor(0, 0, 0), 0);
    select(box, 1, 1);
    box.setSelFontSize(20);
    select(box, 4, 1);
    box.setSelFontSize(30);

    const QList<std::pair<int, double>> expected = {{0, 10}, {1, 10}, {2, 20}, {3, 20}, {4, 30}, {5, 30}, {6, 10}};
    for (const auto &[caret, size] : expected) {
        box.setSelStart(caret);
        QVERIFY2(box.SelFontSize() == std::optional<double>(size), qPrintable(QString::number(caret)));
    }
}

void TestRichTextBox::emptyTextKeepsItsFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.quf"));
    Box box;
    box.setText(QString());
    formatAll(box, QStringLiteral("Liberation Serif"), 14, rgbColor(128, 0, 0), 1);
    QVERIFY(box.SaveFile(path, Box::FileKind::Rtf));

    Box loaded;
    QVERIFY(loaded.LoadFile(path, Box::FileKind::Rtf));
    QCOMPARE(loaded.Text(), QString());
    QCOMPARE(loaded.SelFontName(), std::optional<QString>(QStringLiteral("Liberation Serif")));
    QCOMPARE(loaded.SelFontSize(), std::optional<double>(14));
    QCOMPARE(loaded.SelColor(), std::optional<ColorValue>(rgbColor(128, 0, 0)));
    QCOMPARE(loaded.SelAlignment(), std::optional<int>(1));
    QCOMPARE(loaded.SelBold(), std::optional<bool>(true));
}

void TestRichTextBox::newTextTakesTheStartFormat()
{
    Box box;
    box.setText(QStringLiteral("ab\r\ncd"));
    formatAll(box, QStringLiteral("Arial"), 10, rgbColor(0, 128, 0), 2);
    select(box, 4, 2);
    box.setSelFontSize(30);
    box.setText(QStringLiteral("new\r\ntext"));
    selectAll(box);
    QCOMPARE(box.SelFontSize(), std::optional<double>(10));
    QCOMPARE(box.SelColor(), std::optional<ColorValue>(rgbColor(0, 128, 0)));
    QCOMPARE(box.SelAlignment(), std::optional<int>(2));
}

void TestRichTextBox::wholeSelectionFormatsEveryLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mixedBefore"); // a part had a format of its own before
    for (const bool mixed : {false, true}) {
        const char *m = mixed ? ", mixed before" : "";
        QTest::addRow("empty first line%s", m) << QStringLiteral("\r\nab") << mixed;
        QTest::addRow("break at the end%s", m) << QStringLiteral("ab\r\n") << mixed;
        QTest::addRow("only breaks%s", m) << QStringLiteral("\r\n\r\n") << mixed;
        QTest::addRow("empty line inside%s", m) << QStringLiteral("a\r\n\r\nb") << mixed;
    }
}

void TestRichTextBox::wholeSelectionFormatsEveryLine()
{
    // What CopyTBFormatToRTF does: the whole text in one format, so that the file holds one
    // format on every line, empty ones too, and reads back as one.
    QFETCH(QString, text);
    QFETCH(bool, mixedBefore);
    Box box;
    box.setText(text);
    if (mixedBefore) {
        select(box, 0, 1);
        box.setSelFontSize(30);
        box.setSelAlignment(2);
    }
    formatAll(box, QStringLiteral("Liberation Serif"), 14, rgbColor(128, 0, 0), 1);
    const RtfReadResult doc = readRtf(box.TextRTF());
    QVERIFY(doc.hasValue());
    RtfCharFormat expected;
    expected.fontName = QStringLiteral("Liberation Serif");
    expected.size = 14;
    expected.bold = true;
    expected.underline = true;
    expected.color = rgbColor(128, 0, 0);
    for (const RtfParagraph &p : doc.value().paragraphs) {
        QCOMPARE(p.alignment, RtfAlignment::Right);
        for (const RtfRun &r : p.runs)
            QVERIFY(r.format == expected);
    }
    Box loaded;
    QVERIFY(loaded.setTextRTF(box.TextRTF()));
    QCOMPARE(loaded.Text(), text);
    QCOMPARE(loaded.TextRTF(), box.TextRTF());
}

void TestRichTextBox::partKeepsTheRestsFormat()
{
    // A part of a text in one format gets its own; every other character and line, empty
    // lines too, keeps the one format.
    Box box;
    box.setText(QStringLiteral("ab\r\n\r\ncd"));
    formatAll(box, QStringLiteral("Arial"), 10, rgbColor(0, 0, 128), 2);
    select(box, 6, 2);
    box.setSelFontSize(30);
    box.setSelStart(4);
    QCOMPARE(box.SelFontSize(), std::optional<double>(10));
    QCOMPARE(box.SelColor(), std::optional<ColorValue>(rgbColor(0, 0, 128)));
    select(box, 0, 4);
    QCOMPARE(box.SelFontSize(), std::optional<double>(10));
    QCOMPARE(box.SelAlignment(), std::optional<int>(2));
    selectAll(box);
    QCOMPARE(box.SelFontSize(), std::nullopt);
    QCOMPARE(box.SelAlignment(), std::optional<int>(2));
    const RtfReadResult doc = readRtf(box.TextRTF());
    QVERIFY(doc.hasValue());
    QCOMPARE(doc.value().paragraphs.size(), 3);
    QCOMPARE(doc.value().paragraphs.at(1).runs.at(0).format.size, 10.0);
    QCOMPARE(doc.value().paragraphs.at(2).runs.at(0).format.size, 30.0);
    QCOMPARE(doc.value().paragraphs.at(2).alignment, RtfAlignment::Centre);
}

void TestRichTextBox::rtfFileRoundTrip()
{
    // A *.QUF file: one format over all of the text, in a symbol font with all 224 codes.
    QString text;
    for (int code = 32; code <= 255; ++code) {
        text.append(charForCode(quint8(code), FontCharset::Symbol));
        if (code % 32 == 31)
            text.append(QStringLiteral("\r\n"));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("codes.quf"));
    Box box;
    box.setText(text);
    formatAll(box, QStringLiteral("Standard Symbols PS"), 7.5, rgbColor(0, 128, 128), 1, FontCharset::Symbol);
    QVERIFY(box.SaveFile(path, Box::FileKind::Rtf));
    QCOMPARE(readAll(path), box.TextRTF());
    QVERIFY(readAll(path).contains("\\fcharset2 Standard Symbols PS;"));

    Box loaded;
    loaded.setText(QStringLiteral("old"));
    QVERIFY(loaded.LoadFile(path, Box::FileKind::Rtf));
    QCOMPARE(loaded.Text(), text);
    selectAll(loaded);
    QCOMPARE(loaded.SelFontName(), std::optional<QString>(QStringLiteral("Standard Symbols PS")));
    QCOMPARE(loaded.SelCharset(), std::optional<FontCharset>(FontCharset::Symbol));
    QCOMPARE(loaded.SelFontSize(), std::optional<double>(7.5));
    QCOMPARE(loaded.SelBold(), std::optional<bool>(true));
    QCOMPARE(loaded.SelItalic(), std::optional<bool>(false));
    QCOMPARE(loaded.SelUnderline(), std::optional<bool>(true));
    QCOMPARE(loaded.SelStrikeThru(), std::optional<bool>(false));
    QCOMPARE(loaded.SelColor(), std::optional<ColorValue>(rgbColor(0, 128, 128)));
    QCOMPARE(loaded.SelAlignment(), std::optional<int>(1));
    QCOMPARE(loaded.TextRTF(), box.TextRTF());
}

void TestRichTextBox::qufWithTwoSizesReadsMixed()
{
    Box box;
    QVERIFY(box.setTextRTF("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 small \\fs40 large\\par}"));
    QCOMPARE(box.SelFontName(), std::optional<QString>(QStringLiteral("Arial")));  // at the start
    selectAll(box);
    QCOMPARE(box.SelFontSize(), std::nullopt);
    QCOMPARE(box.SelFontName(), std::optional<QString>(QStringLiteral("Arial")));
}

void TestRichTextBox::wordProcessorFileLoads()
{
    Box box;
    QVERIFY(box.LoadFile(QStringLiteral(QUORVIL_TEST_DATA "/rtf/libreoffice-writer.rtf"), Box::FileKind::Rtf));
    QVERIFY(box.Text().startsWith(QStringLiteral("Plain, bold, italic, underlined and struck.\r\nCentred red serif\r\n")));
    QVERIFY(box.Text().endsWith(QStringLiteral("\r\n\r\na\tb")));
    const int centred = int(box.Text().indexOf(QStringLiteral("Centred")));
    select(box, centred, 17);
    QCOMPARE(box.SelFontName(), std::optional<QString>(QStringLiteral("Liberation Serif")));
    QCOMPARE(box.SelFontSize(), std::optional<double>(18));
    QCOMPARE(box.SelColor(), std::optional<ColorValue>(rgbColor(255, 0, 0)));
    QCOMPARE(box.SelAlignment(), std::optional<int>(2));
    select(box, 7, 4);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    select(box, 6, 5);
    QCOMPARE(box.SelBold(), std::nullopt);
}

void TestRichTextBox::plainTextFiles_data()
{
    QTest::addColumn<FontCharset>("charset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ANSI") << FontCharset::Ansi << QStringLiteral("caf\u00e9 \u20ac\r\nx\u0416")
                          << QByteArray("caf\xe9 \x80\r\nx?");
    QTest::newRow("symbol") << FontCharset::Symbol << QStringLiteral("\uF061\uF0FF\r\n\uF020")
                            << QByteArray("a\xff\r\n ");
}

void TestRichTextBox::plainTextFiles()
{
    QFETCH(FontCharset, charset);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    Box box;
    box.setText(text);
    QVERIFY(box.SaveFile(path, Box::FileKind::PlainText, charset));
    QCOMPARE(readAll(path), bytes);

    Box loaded;
    QVERIFY(loaded.LoadFile(path, Box::FileKind::PlainText, charset));
    QCOMPARE(loaded.Text(), decodeText(bytes, charset));
}

void TestRichTextBox::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Box::FileKind>("kind");

    QTest::newRow("missing file") << "missing.quf" << QByteArray() << Box::FileKind::Rtf;
    QTest::newRow("missing text file") << "missing.txt" << QByteArray() << Box::FileKind::PlainText;
    QTest::newRow("a folder") << "folder" << QByteArray() << Box::FileKind::Rtf;
    // Neither waited on: a FIFO without a writer would hold the program, a device may never end.
    QTest::newRow("FIFO, as text") << "fifo.txt" << QByteArray() << Box::FileKind::PlainText;
    QTest::newRow("FIFO, as RTF") << "fifo.quf" << QByteArray() << Box::FileKind::Rtf;
    QTest::newRow("device, as text") << "/dev/zero" << QByteArray() << Box::FileKind::PlainText;
    QTest::newRow("not RTF") << "plain.quf" << QByteArray("just text") << Box::FileKind::Rtf;
    QTest::newRow("truncated RTF") << "cut.quf" << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 text") << Box::FileKind::Rtf;
    QTest::newRow("RTF beyond the limit")
        << "huge.quf" << QByteArray("{\\rtf1 ") + QByteArray(RtfLimits::kMaxInputBytes, 'a') + "}" << Box::FileKind::Rtf;
}

void TestRichTextBox::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(Box::FileKind, kind);
    QTemporaryDir dir;
    const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    std::unique_ptr<NamedPipe> pipe;
    if (name == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (name.startsWith(QLatin1String("fifo"))) {
        pipe = std::make_unique<NamedPipe>(path);
        QVERIFY(pipe->created());
    } else if (!content.isEmpty()) {
        QVERIFY(writeAll(path, content));
    }

    Box box;
    box.setText(QStringLiteral("kept\r\ntext"));
    QVERIFY(!box.LoadFile(path, kind));
    QVERIFY(!pipe || !pipe->readerWaited());
    QVERIFY(!box.errorString().isEmpty());
    QCOMPARE(box.Text(), QStringLiteral("kept\r\ntext"));
}

void TestRichTextBox::plainTextReadIsBounded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QVERIFY(writeAll(path, QByteArray(3 * Box::kMaxPlainTextBytes, 'x')));
    Box box;
    QVERIFY(box.LoadFile(path, Box::FileKind::PlainText));
    QCOMPARE(qint64(box.Text().size()), Box::kMaxPlainTextBytes);
}

void TestRichTextBox::saveFailureKeepsTheOldFile()
{
    QTemporaryDir dir;
    Box box;
    box.setText(QStringLiteral("new"));

    QVERIFY(!box.SaveFile(dir.filePath(QStringLiteral("no/such/folder/x.quf")), Box::FileKind::Rtf));
    QVERIFY(!box.errorString().isEmpty());

    // A target that cannot be replaced stays as it was, and no temporary file is left.
    const QString folder = dir.filePath(QStringLiteral("taken.quf"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.quf")));
    QVERIFY(!box.SaveFile(folder, Box::FileKind::Rtf));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("taken.quf")});

    // Saving over an existing file replaces it whole.
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    QVERIFY(writeAll(path, QByteArray("old contents that are longer")));
    QVERIFY(box.SaveFile(path, Box::FileKind::PlainText));
    QCOMPARE(readAll(path), QByteArray("new"));

    // A write cut short (a full disk: writes past 100 bytes fail here, for root too) is a
    // failed save, and the old file stays whole.
    box.setText(QString(500, QLatin1Char('x')));
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    struct rlimit small = before;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = box.SaveFile(path, Box::FileKind::PlainText);
    setrlimit(RLIMIT_FSIZE, &before);
    QVERIFY(!saved);
    QCOMPARE(readAll(path), QByteArray("new"));
}

void TestRichTextBox::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("string");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");  // -1: no end
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("expected");

    // The TextBoard searches from one after the caret, so the hit at the caret is skipped.
    QTest::newRow("from after the caret") << "abc abc" << "abc" << 1 << -1 << 0 << 4;
    QTest::newRow("at the start position") << "abc abc" << "abc" << 0 << -1 << 0 << 0;
    QTest::newRow("no further hit") << "abc abc" << "abc" << 5 << -1 << 0 << -1;
    QTest::newRow("overlapping hits 1") << "aaa" << "aa" << 0 << -1 << 0 << 0;
    QTest::newRow("overlapping hits 2") << "aaa" << "aa" << 1 << -1 << 0 << 1;
    QTest::newRow("case ignored") << "xx abc" << "ABC" << 0 << -1 << 0 << 3;
    QTest::newRow("match case") << "xx abc ABC" << "ABC" << 0 << -1 << 4 << 7;
    QTest::newRow("match case misses") << "abc" << "ABC" << 0 << -1 << 4 << -1;
    QTest::newRow("whole word misses a part") << "abc" << "ab" << 0 << -1 << 2 << -1;
    QTest::newRow("whole word skips to a word") << "abc ab." << "ab" << 0 << -1 << 2 << 4;
    QTest::newRow("digits are word characters") << "ab1 ab" << "ab" << 0 << -1 << 2 << 4;
    QTest::newRow("whole word and match case") << "Ab ab" << "ab" << 0 << -1 << 6 << 3;
    QTest::newRow("whole word, case ignored") << "xAB ab" << "Ab" << 0 << -1 << 2 << 4;
    QTest::newRow("symbol letters are word characters") << "\uF061\uF062\uF063 \uF061\uF062" << "\uF061\uF062" << 0 << -1 << 2 << 4;
    QTest::newRow("positions after CR LF") << "ab\r\ncd\r\ncd" << "cd" << 0 << -1 << 0 << 4;
    QTest::newRow("across a line break") << "ab\r\ncd" << "b\r\nc" << 0 << -1 << 0 << 1;
    QTest::newRow("within a range") << "ab\r\nab\r\nab" << "ab" << 1 << 6 << 0 << 4;
    QTest::newRow("hit past the range end") << "ab\r\nab\r\nab" << "ab" << 1 << 5 << 0 << -1;
    QTest::newRow("range end beyond the text") << "abc" << "c" << 0 << 99 << 0 << 2;
    QTest::newRow("end before start") << "abcabc" << "a" << 2 << 1 << 0 << -1;
    QTest::newRow("start beyond the text") << "abc" << "c" << 9 << -1 << 0 << -1;
    QTest::newRow("negative start") << "abc" << "a" << -3 << -1 << 0 << 0;
    QTest::newRow("blanks are searched") << "x  x x" << " x " << 0 << -1 << 0 << 2;
    QTest::newRow("empty string") << "abc" << "" << 0 << -1 << 0 << -1;
    QTest::newRow("empty text") << "" << "a" << 0 << -1 << 0 << -1;
}

void TestRichTextBox::find()
{
    QFETCH(QString, text);
    QFETCH(QString, string);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, options);
    QFETCH(int, expected);
    Box box;
    box.setText(text);
    select(box, 1, 0);
    const std::optional<int> until = end < 0 ? std::nullopt : std::optional<int>(end);
    QCOMPARE(box.Find(string, start, until, options), expected);
    if (expected >= 0) {
        QCOMPARE(box.SelStart(), expected);
        QCOMPARE(box.SelLength(), int(string.size()));
    } else {
        QCOMPARE(box.SelStart(), std::min(1, int(text.size())));  // a miss leaves the selection
        QCOMPARE(box.SelLength(), 0);
    }
}

void TestRichTextBox::findSelectsTheHit()
{
    // The hit's selection carries the hit's format, as with any selection.
    Box box;
    box.setText(QStringLiteral("plain bold"));
    formatAll(box, QStringLiteral("Arial"), 10, rgbColor(0, 0, 0), 0);
    selectAll(box);
    box.setSelBold(false);
    select(box, 6, 4);
    box.setSelBold(true);
    QCOMPARE(box.Find(QStringLiteral("BOLD"), 1), 6);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
}

void TestRichTextBox::printsTheSelectionWithItsFormat()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        QSKIP("poppler-utils are not installed");
    QTemporaryDir dir;
    const auto print = [&dir](const Box &box, const QString &name) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        return box.SelPrint(printer);
    };
    const auto run = [](const QString &tool, const QStringList &arguments) {
        QProcess p;
        p.start(tool, arguments);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };

    // From inside the first line to its end: the characters and the line's format.
    Box box;
    box.setText(QStringLiteral("Printed words\r\nnot printed"));
    formatAll(box, QStringLiteral("Liberation Serif"), 14, rgbColor(0, 0, 0), 2);
    select(box, 1, 12);
    QVERIFY(print(box, QStringLiteral("selection.pdf")));
    const QString pdf = dir.filePath(QStringLiteral("selection.pdf"));
    const QString selection = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(selection.contains(QStringLiteral("rinted words")), qPrintable(selection));
    QVERIFY(!selection.contains(QStringLiteral("Printed")));
    QVERIFY(!selection.contains(QStringLiteral("not printed")));
    QVERIFY(!selection.contains(QLatin1Char('1')));  // no page number of our own
    QVERIFY(run(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSerif-Bold")));
    // Centred on the page: the first word starts well right of the left margin.
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch word = QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>rinted<")).match(boxes);
    QVERIFY2(word.hasMatch(), qPrintable(boxes));
    QVERIFY2(word.captured(1).toDouble() > 200, qPrintable(word.captured(1)));

    box.setSelStart(0);
    QVERIFY(print(box, QStringLiteral("all.pdf")));
    QVERIFY(run(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("all.pdf")), QStringLiteral("-")}).contains(QStringLiteral("not printed")));
}

QUORVIL_TEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"

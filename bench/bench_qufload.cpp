// Loading a 61,440-character uniform format file onto the TextBoard: reading the RTF into
// the twin, the format checks, the format taken over and the text set on the board; as one
// run of letters, as one paragraph of words and as 10,240 short lines.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"

#include <QComboBox>
#include <QTemporaryDir>

class BenchQufLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
};

void BenchQufLoad::load_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one line") << QString(61440, QLatin1Char('a'));
    QTest::newRow("one paragraph of words") << QStringLiteral("lorem ipsum dolor sit amet ").repeated(61440 / 27 + 1).left(61440);
    QTest::newRow("10,240 lines") << QStringLiteral("abcd\r\n").repeated(61440 / 6);
}

void BenchQufLoad::load()
{
    QFETCH(QString, text);
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window().commands().setChecked(QStringLiteral("DisplayOW"), false);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("full.quf"));
    RichTextBox twin;
    twin.setText(text);
    twin.setSelLength(text.size());
    twin.setSelFontName(f.controls().FontNameCombo->currentText());
    twin.setSelFontSize(12);
    twin.setSelBold(true);
    twin.setSelColor(0);
    QVERIFY(twin.SaveFile(file, RichTextBox::FileKind::Rtf));

    QBENCHMARK {
        // Not the file already loaded, so that every round loads it again.
        f.window().textBoardDocument().setLoadedFile(QString(), QString());
        f.dialog.confirm([file](CommonDialogProperties &d) { d.FileName = file; });
        f.window().runCommand(QStringLiteral("FileLoad"));
    }
    QCOMPARE(f.controls().TextBoard->length(), 61440);
    QCOMPARE(f.window().textBoardDocument().TBLoadedPath(), file);
}

QUORVIL_TEST_MAIN(BenchQufLoad)
#include "bench_qufload.moc"

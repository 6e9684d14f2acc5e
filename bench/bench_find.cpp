// One Find Next over a full TextBoard (61,440 characters): the copy into the rich-text twin
// and the search, for a string found at the very end and for one that is not there (the
// message box is answered at once).
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "textboard/TextBoardEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

class BenchFind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findNext_data();
    void findNext();
};

void BenchFind::findNext_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("wholeWord");
    const QString line = QStringLiteral("the quick brown fox jumps\r\n");
    const QString full = line.repeated(61440 / line.size()) + QString(61440 % line.size() - 3, QLatin1Char('x'))
                         + QStringLiteral("END");
    QTest::newRow("hit at the end") << full << "END" << false;
    QTest::newRow("hit at the end, whole word, ignoring case") << full << "end" << true;
    QTest::newRow("no hit") << full << "lazy dog" << false;
}

void BenchFind::findNext()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(bool, wholeWord);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.TextBoard->setText(text);
    QCOMPARE(c.TextBoard->length(), 61440);
    f.window().runCommand(QStringLiteral("EditFind"));
    c.FindString->setText(find);
    c.FindOpt[0]->setChecked(wholeWord);
    MessageDriver driver; // answers the "not found" box
    QBENCHMARK {
        c.TextBoard->setSelStart(0);
        c.FindNextButton->click();
    }
}

QUORVIL_TEST_MAIN(BenchFind)
#include "bench_find.moc"

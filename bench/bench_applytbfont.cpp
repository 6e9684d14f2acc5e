// Re-fonting the 224 FontMap cells, the TextBoard (holding a full page of text), the Zoom view
// and the find box: ApplyTBFont alone, and with the repaint that follows it on screen. Each
// round alternates between two fonts, so every call does the whole work; the symbol row also
// switches the charset, re-mapping every caption and the whole text.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"

#include <QComboBox>

class BenchApplyTBFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void applyTBFont_data();
    void applyTBFont();
};

void BenchApplyTBFont::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void BenchApplyTBFont::applyTBFont_data()
{
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("repaint");
    QTest::newRow("ANSI to ANSI") << QStringLiteral("Liberation Serif") << false;
    QTest::newRow("ANSI to ANSI, painted") << QStringLiteral("Liberation Serif") << true;
    QTest::newRow("ANSI to Symbol") << QStringLiteral("Quorvil Symbol Test") << false;
    QTest::newRow("ANSI to Symbol, painted") << QStringLiteral("Quorvil Symbol Test") << true;
}

void BenchApplyTBFont::applyTBFont()
{
    QFETCH(QString, other);
    QFETCH(bool, repaint);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    QString text;
    for (int line = 0; line < 40; ++line)
        text += QStringLiteral("The quick brown fox jumps over the lazy dog, \u00e9\u00e8\u20ac 0123456789\r\n");
    c.TextBoard->setText(text);
    const int first = c.FontNameCombo->findText(QStringLiteral("DejaVu Sans"));
    const int second = c.FontNameCombo->findText(other);
    QVERIFY(first >= 0 && second >= 0);
    TextBoardFormat &format = f.window().textBoardFormat();
    int round = 0;
    QBENCHMARK {
        c.FontNameCombo->setCurrentIndex(round++ % 2 ? first : second);
        format.ApplyTBFont();
        if (repaint) {
            c.FMapContainer->repaint();
            c.TextBoard->viewport()->repaint();
        }
    }
}

QUORVIL_TEST_MAIN_WITH_FONTS(BenchApplyTBFont, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"))
#include "bench_applytbfont.moc"

// The keyboard viewer and the font browser over a catalog of 1,000 fonts: opening each window
// (built, set up and painted whole), the font browser's sample sheet for a pick (over the
// made-up catalog, whose families all draw with one substitute, and over the installed fonts),
// and one step of a resize drag of the font browser (100 steps, growing and shrinking by turns).
// Painting renders the whole window into an image, so it costs the same on every platform
// whether or not the window is on a screen.
#include "support/TestMain.h"
#include "support/ToolsFixture.h"

#include "tools/FontBrowser.h"
#include "tools/Keyboard.h"

#include <QImage>
#include <QListWidget>

namespace {

void paintWhole(QWidget &window)
{
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&image);
}

} // namespace

class BenchTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openKeyboard();
    void openFontBrowser();
    void showFontSample_data();
    void showFontSample();
    void resizeStep();

private:
    std::unique_ptr<ToolsFixture> m_fonts;
};

void BenchTools::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_fonts = std::make_unique<ToolsFixture>(ToolsFixture::madeUpFamilies(1000));
}

void BenchTools::openKeyboard()
{
    const QString font = m_fonts->fontList().at(500).faceName();
    QBENCHMARK {
        Keyboard kb(m_fonts->services(), m_fonts->fontList(), m_fonts->fontMapColors);
        kb.SetupKeyboard(501, font, 20);
        paintWhole(kb);
    }
}

void BenchTools::openFontBrowser()
{
    const QString font = m_fonts->fontList().at(500).faceName();
    QBENCHMARK {
        FontBrowser fb(m_fonts->services(), m_fonts->fontList(), m_fonts->fontMapColors);
        fb.FontNameXchg(501, font);
        paintWhole(fb);
    }
}

void BenchTools::showFontSample_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("1,000 made-up fonts") << false;
    QTest::newRow("installed fonts") << true;
}

void BenchTools::showFontSample()
{
    QFETCH(bool, installed);
    std::unique_ptr<ToolsFixture> installedFonts;
    if (installed)
        installedFonts = std::make_unique<ToolsFixture>();
    ToolsFixture &fonts = installed ? *installedFonts : *m_fonts;
    FontBrowser fb(fonts.services(), fonts.fontList(), fonts.fontMapColors);
    fb.FontNameXchg(1, fonts.fontList().first().faceName());
    fb.show();
    QListWidget *list = fb.fontListView();
    int row = 0;
    QBENCHMARK {
        // Every pick is another font, painted as the user sees it.
        row = (row + 37) % list->count();
        fb.FontListView_ItemClick(list->item(row));
        paintWhole(fb);
    }
}

void BenchTools::resizeStep()
{
    FontBrowser fb(m_fonts->services(), m_fonts->fontList(), m_fonts->fontMapColors);
    fb.FontNameXchg(1, m_fonts->fontList().first().faceName());
    fb.show();
    int step = 0;
    QBENCHMARK {
        // A drag of 100 steps of 3 pixels each way, painted after every step.
        const int offset = step % 200 < 100 ? step % 100 : 100 - step % 100;
        ++step;
        fb.resize(760 + 3 * offset, 400 + 2 * offset);
        paintWhole(fb);
    }
}

QUORVIL_TEST_MAIN(BenchTools)
#include "bench_tools.moc"

// Under a light, a dark and a high-contrast desktop palette the main window stays legible:
// every toolbar picture stands out from its button, and the TextBoard keeps its white paper
// with text, caret and selection that show on it. Measured on the window as it is drawn, at
// scale 1 and 2, with the contrast ratio that WCAG defines (4.5:1 for text, 3:1 for pictures).
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/QBColors.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ColorGrid.h"
#include "widgets/Contrast.h"
#include "widgets/Pictures.h"
#include "widgets/ToolBar.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <memory>

namespace {

QPalette lightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette fromColors(const QList<std::pair<QPalette::ColorRole, QColor>> &active, const QColor &disabledText)
{
    QPalette p;
    for (const auto &[role, color] : active)
        p.setColor(role, color);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}

// The colours of qt6ct's "darker" scheme, which Debian users pick to darken Qt programs.
QPalette darkPalette()
{
    return fromColors({{QPalette::WindowText, QColor(0xffffff)}, {QPalette::Button, QColor(0x424245)},
                       {QPalette::Light, QColor(0x979797)},      {QPalette::Midlight, QColor(0x5e5c5b)},
                       {QPalette::Dark, QColor(0x302f2e)},       {QPalette::Mid, QColor(0x4a4947)},
                       {QPalette::Text, QColor(0xffffff)},       {QPalette::BrightText, QColor(0xffffff)},
                       {QPalette::ButtonText, QColor(0xffffff)}, {QPalette::Base, QColor(0x3d3d3d)},
                       {QPalette::Window, QColor(0x222020)},     {QPalette::Shadow, QColor(0xe7e4e0)},
                       {QPalette::Highlight, QColor(0x12608a)},  {QPalette::HighlightedText, QColor(0xf9f9f9)}},
                      QColor(0x808080));
}

// White on black with a light cyan selection, as high-contrast desktop themes have it.
QPalette highContrastPalette()
{
    return fromColors({{QPalette::WindowText, Qt::white}, {QPalette::Button, Qt::black},
                       {QPalette::Light, Qt::white},      {QPalette::Midlight, QColor(0x404040)},
                       {QPalette::Dark, QColor(0x808080)}, {QPalette::Mid, QColor(0x808080)},
                       {QPalette::Text, Qt::white},       {QPalette::ButtonText, Qt::white},
                       {QPalette::Base, Qt::black},       {QPalette::Window, Qt::black},
                       {QPalette::Shadow, Qt::white},     {QPalette::Highlight, QColor(0x1aebff)},
                       {QPalette::HighlightedText, Qt::black}},
                      QColor(0x3ff23f));
}

QPalette paletteNamed(const QString &name)
{
    if (name == QLatin1String("dark"))
        return darkPalette();
    if (name == QLatin1String("high contrast"))
        return highContrastPalette();
    return lightPalette();
}

// The desktop's palette for one test; the next test starts from the light one again.
class DesktopPalette
{
public:
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(lightPalette()); }
};

// `widget` as it shows on a screen of that scale: drawn at the scale's device pixels, not
// enlarged afterwards.
QImage drawn(QWidget *widget, qreal scale)
{
    QPixmap canvas(widget->size() * scale);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    widget->render(&canvas);
    QImage image = canvas.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

QRect scaled(const QRect &r, qreal scale)
{
    return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale).toAlignedRect();
}

// What a picture draws: its pixels that differ from the background, and how many of those
// stand out from it by `ratio` or more. A legible picture has at least a fifth of what it
// draws standing out: its lines and letters do, its antialiased edges rarely, and its fills
// may lie near the background (white paper on a light bar), framed by lines that do. A
// picture drawn dark on a dark bar has none.
struct Ink
{
    int drawn = 0;
    int standingOut = 0;
    bool legible() const { return drawn > 0 && standingOut * 5 >= drawn; }
};

Ink inkOf(const QImage &image, const QRect &area, const QColor &background, double ratio)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({std::abs(c.red() - background.red()), std::abs(c.green() - background.green()),
                          std::abs(c.blue() - background.blue())}) <= 8)
                continue;
            ++ink.drawn;
            if (contrastRatio(c, background) >= ratio)
                ++ink.standingOut;
        }
    }
    return ink;
}

// The colour that most pixels of `area` have.
QColor commonestColor(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor(best);
}

// The strongest contrast against `background` of any pixel in `area`: for text, the colour of
// its strokes.
double strongestContrast(const QImage &image, const QRect &area, const QColor &background)
{
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
    }
    return strongest;
}

struct ShownPicture
{
    QString name;
    QRect picture;    // in the drawn image's pixels
    QColor background;
};

// Every toolbar button's picture in the drawn window, with the colour it is shown on: the
// button's own colour just outside the picture (a pressed button has a panel of its own).
QList<ShownPicture> toolbarPictures(Quorvil &window, const QImage &image, qreal scale)
{
    QList<ShownPicture> pictures;
    const QList<ToolBar *> bars = window.findChildren<ToolBar *>();
    for (ToolBar *bar : bars) {
        for (const QString &key : bar->keys()) {
            QAction *action = bar->button(key);
            QWidget *button = bar->widgetForAction(action);
            if (action->icon().isNull() || !button || !button->isVisible())
                continue;
            const QRect onWindow(button->mapTo(&window, QPoint(0, 0)), button->size());
            QRect picture(QPoint(0, 0), bar->iconSize());
            picture.moveCenter(onWindow.center());
            // A drop-down button's picture sits left of its arrow.
            if (qobject_cast<QToolButton *>(button)->popupMode() == QToolButton::MenuButtonPopup)
                picture.moveLeft(onWindow.left() + 3);
            const QRect area = scaled(picture, scale);
            const QRect rim = scaled(picture.adjusted(-2, 0, -picture.width() - 1, 0), scale);
            pictures.append({bar->objectName() + QLatin1Char('/') + key, area, commonestColor(image, rim)});
        }
    }
    return pictures;
}

void addPaletteRows()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<qreal>("scale");
    for (const char *palette : {"light", "dark", "high contrast"}) {
        for (const qreal scale : {1.0, 2.0})
            QTest::addRow("%s, scale %g", palette, scale) << QString::fromLatin1(palette) << scale;
    }
}

} // namespace

class TestDarkPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contrastRatios_data();
    void contrastRatios();
    void toolbarPicturesStandOut_data();
    void toolbarPicturesStandOut();
    void textStandsOutFromWhitePaper_data();
    void textStandsOutFromWhitePaper();
    void caretAndSelectionShowOnThePaper_data();
    void caretAndSelectionShowOnThePaper();
    void theScrollBarBesideThePaperKeepsTheDesktopColors();
    void colorCellsStayOutlinedOnTheirContainer_data();
    void colorCellsStayOutlinedOnTheirContainer();
    void disabledPicturesTakeTheDisabledColors();
    void aPaletteChangeRedrawsThePictures();
};

void TestDarkPalette::contrastRatios_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("the same colour") << QColor(0x777777) << QColor(0x777777) << 1.0;
    // The lightest grey that still reads as text on white, by WCAG's own example.
    QTest::newRow("#767676 on white") << QColor(0x767676) << QColor(Qt::white) << 4.54;
    QTest::newRow("pure blue on black") << QColor(Qt::blue) << QColor(Qt::black) << 2.44;
    QTest::newRow("black on the dark button") << QColor(Qt::black) << QColor(0x424245) << 2.10;
}

void TestDarkPalette::contrastRatios()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(contrastRatio(a, b))));
}

void TestDarkPalette::toolbarPicturesStandOut_data()
{
    addPaletteRows();
}

void TestDarkPalette::toolbarPicturesStandOut()
{
    QFETCH(QString, palette);
    QFETCH(qreal, scale);
    DesktopPalette desktop(paletteNamed(palette));
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    // Every picture as it shows when its command can be used (an empty board disables many).
    for (ToolBar *bar : f.window().findChildren<ToolBar *>()) {
        for (const QString &key : bar->keys())
            bar->button(key)->setEnabled(true);
    }
    const QImage image = drawn(&f.window(), scale);
    const QList<ShownPicture> pictures = toolbarPictures(f.window(), image, scale);
    QCOMPARE(pictures.size(), 38); // the nine toolbars' buttons, the size slider's place aside
    QStringList faint;
    for (const ShownPicture &p : pictures) {
        const Ink ink = inkOf(image, p.picture, p.background, 3.0);
        if (!ink.legible())
            faint << QStringLiteral("%1 (%2 of %3 pixels)").arg(p.name).arg(ink.standingOut).arg(ink.drawn);
    }
    QVERIFY2(faint.isEmpty(), qPrintable(QStringLiteral("faint on %1: ").arg(pictures.first().background.name())
                                         + faint.join(QStringLiteral(", "))));
}

void TestDarkPalette::textStandsOutFromWhitePaper_data()
{
    addPaletteRows();
}

void TestDarkPalette::textStandsOutFromWhitePaper()
{
    QFETCH(QString, palette);
    QFETCH(qreal, scale);
    DesktopPalette desktop(paletteNamed(palette));
    MainWindowFixture f;
    QVERIFY(f.start());
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(QStringLiteral("Quorvil \u00c0\u00c9\u00d1 0123"));
    const QImage image = drawn(board, scale);
    const QRect viewport = scaled(board->viewport()->geometry(), scale);
    const QColor paper = commonestColor(image, viewport);
    QCOMPARE(paper, QColor(Qt::white));
    const QRect line = scaled(board->characterRect(0).united(board->characterRect(board->length() - 1))
                                  .translated(board->viewport()->pos()),
                              scale);
    QVERIFY2(strongestContrast(image, line, paper) >= 4.5,
             qPrintable(QString::number(strongestContrast(image, line, paper))));
}

void TestDarkPalette::caretAndSelectionShowOnThePaper_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<int>("colorIndex");
    for (const char *palette : {"light", "dark", "high contrast"}) {
        // Black, and colours that barely show on white paper: the caret must still show.
        for (const int index : {0, 14, 15, 7})
            QTest::addRow("%s, %s", palette, qPrintable(QBColorName(index))) << QString::fromLatin1(palette) << index;
    }
}

void TestDarkPalette::caretAndSelectionShowOnThePaper()
{
    QFETCH(QString, palette);
    QFETCH(int, colorIndex);
    DesktopPalette desktop(paletteNamed(palette));
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    f.window().textBoardFormat().SetTBForeColor(QBColor(colorIndex));
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(QStringLiteral("W   W"));
    board->setFocus();
    QTRY_VERIFY(board->hasFocus());
    const QColor paper(Qt::white);

    // The caret at the start of the text, in its own column left of the first letter.
    board->setSelStart(0);
    QTest::keyClick(board, Qt::Key_Home); // shows the caret at once, whatever the blinking
    const QImage withCaret = drawn(board->viewport(), 1);
    const QRect caret = board->characterRect(0).adjusted(-2, 0, -board->characterRect(0).width() + 1, 0);
    QVERIFY2(strongestContrast(withCaret, caret, paper) >= 3.0,
             qPrintable(QString::number(strongestContrast(withCaret, caret, paper))));

    // The selected blanks between the letters show the selection's colour, its text stands out.
    board->setSelStart(0);
    board->setSelLength(board->length());
    const QImage selected = drawn(board->viewport(), 1);
    const QRect blanks = board->characterRect(2).adjusted(1, 1, -1, -1);
    const QColor highlight = commonestColor(selected, blanks);
    QVERIFY2(contrastRatio(highlight, paper) >= 3.0, qPrintable(highlight.name()));
    const QRect letter = board->characterRect(0);
    QVERIFY2(strongestContrast(selected, letter, highlight) >= 3.0,
             qPrintable(QString::number(strongestContrast(selected, letter, highlight))));
}

void TestDarkPalette::theScrollBarBesideThePaperKeepsTheDesktopColors()
{
    DesktopPalette desktop(darkPalette());
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(QStringLiteral("A line of text\r\n").repeated(60));
    QScrollBar *bar = board->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    // The text's colour (black) is not the arrows' colour: the bar looks like any other
    // scroll bar of the desktop, where black arrows would vanish into the dark bar.
    QScrollBar plain(Qt::Vertical);
    plain.setRange(bar->minimum(), bar->maximum());
    plain.setPageStep(bar->pageStep());
    plain.setValue(bar->value());
    plain.resize(bar->size());
    QCOMPARE(drawn(bar, 1), drawn(&plain, 1));
}

void TestDarkPalette::colorCellsStayOutlinedOnTheirContainer_data()
{
    QTest::addColumn<QString>("palette");
    for (const char *palette : {"light", "dark", "high contrast"})
        QTest::newRow(palette) << QString::fromLatin1(palette);
}

void TestDarkPalette::colorCellsStayOutlinedOnTheirContainer()
{
    QFETCH(QString, palette);
    DesktopPalette desktop(paletteNamed(palette));
    // The system colours' grid: its container has the button face's colour, and so has its
    // first cell, which only its outline shows.
    ColorGrid grid({QPointF(255, 255), QSizeF(615, 435), QSizeF(420, 240), QSizeF(630, 450)}, 2);
    grid.setContainerColor(systemColor(0));
    grid.setColor(1, systemColor(0));
    grid.setCurrent(2);
    grid.resize(200, 100);
    const QImage image = drawn(&grid, 1);
    const QColor container = image.pixelColor(0, 0);
    const QColor outline = image.pixelColor(grid.cellRect(1).topLeft());
    // As far apart as the light desktop's own shades for it are (2.3:1); a dark desktop's dark
    // shade on its dark buttons is not (1.3:1).
    QVERIFY2(contrastRatio(outline, container) >= 2.0,
             qPrintable(outline.name() + QStringLiteral(" on ") + container.name()));
}

void TestDarkPalette::disabledPicturesTakeTheDisabledColors()
{
    DesktopPalette desktop(darkPalette());
    const QColor disabledText = darkPalette().color(QPalette::Disabled, QPalette::ButtonText);
    const QIcon bold = Pictures::icon(QStringLiteral("imlFontFormatTB"), QStringLiteral("Bold"));
    QImage image = bold.pixmap(QSize(32, 32), 1, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    // The letter's strokes are drawn whole in the disabled text colour, not faded out.
    int strokes = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == disabledText)
                ++strokes;
        }
    }
    QVERIFY2(strokes > 40, qPrintable(QString::number(strokes)));
}

void TestDarkPalette::aPaletteChangeRedrawsThePictures()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    auto *bar = f.window().findChild<ToolBar *>(QStringLiteral("FontFormatTB"));
    QAction *bold = bar->button(QStringLiteral("Bold"));
    bold->setEnabled(true);
    QWidget *button = bar->widgetForAction(bold);
    const QRect picture(QPoint(3, 3), QSize(16, 16));

    const QImage light = drawn(button, 1);
    {
        // The desktop turns dark while the program runs.
        DesktopPalette desktop(darkPalette());
        QCoreApplication::processEvents();
        const QImage dark = drawn(&f.window(), 1);
        const QRect onWindow(button->mapTo(&f.window(), picture.topLeft()), picture.size());
        const QColor background = darkPalette().color(QPalette::Window);
        QVERIFY2(inkOf(dark, onWindow, commonestColor(dark, onWindow), 3.0).legible(), qPrintable(background.name()));
        QVERIFY(drawn(button, 1) != light);
        // The TextBoard keeps its paper.
        QCOMPARE(drawn(f.controls().TextBoard->viewport(), 1).pixelColor(5, 5), QColor(Qt::white));
    }
    QCoreApplication::processEvents();
    QCOMPARE(drawn(button, 1), light);
}

QUORVIL_TEST_MAIN(TestDarkPalette)
#include "tst_darkpalette.moc"

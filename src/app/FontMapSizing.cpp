#include "app/FontMapSizing.h"

#include "app/MainLayout.h"
#include "app/QuorvilControls.h"
#include "app/WindowFrame.h"
#include "app/rules/LayoutRules.h"
#include "app/rules/MainState.h"
#include "app/rules/ScreenDefaults.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/EditedNumber.h"
#include "fontmap/rules/MapSizeSteps.h"
#include "fontmap/rules/ViewSettings.h"
#include "platform/DisplayService.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/SizeNumberEdit.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

FontMapSizing::FontMapSizing(WindowFrame &window, QuorvilControls &controls, MainState &state,
                             ActionCollection &commands, const DisplayService &display, MainLayout &layout,
                             const ViewSettings &views, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_c(controls)
    , m_s(state)
    , m_commands(commands)
    , m_display(display)
    , m_layout(layout)
    , m_views(views)
{
    // Dragging the thumb shows the step; the map is rebuilt when the thumb is let go.
    m_c.sldSetFMapSize->setTracking(false);
    connect(m_c.sldSetFMapSize, &QSlider::sliderMoved, this, &FontMapSizing::sldSetFMapSize_Scroll);
    connect(m_c.sldSetFMapSize, &QSlider::valueChanged, this, &FontMapSizing::sldSetFMapSize_Change);
    // The edit belongs to its number label.
    new SizeNumberEdit(m_c.lblSetFMapSizeNumber, m_c.tbxSetFMapSizeNumber, m_c.sldSetFMapSize,
                       [this] { focusTextBoard(); },
                       [this](const QString &text) { return numberFromEditText(text, 1, m_s.fontMap.MaxSizeIndex()); });
    m_commands.onTriggered(QStringLiteral("FMLarger"), this, &FontMapSizing::FMLarger_Click);
    m_commands.onTriggered(QStringLiteral("FMSmaller"), this, &FontMapSizing::FMSmaller_Click);
    m_commands.onTriggered(QStringLiteral("FMRealign"), this, &FontMapSizing::FMRealign_Click);
}

void FontMapSizing::focusTextBoard()
{
    m_c.TextBoard->setFocus(Qt::OtherFocusReason);
}

void FontMapSizing::SetFMapSizeLimits()
{
    m_s.TwipsPerPixelX = m_display.twipsPerPixelX();
    m_s.textBoard.setTwipsPerPixelY(m_display.twipsPerPixelY());
    const int width = m_display.screenWidth();
    const bool on = MapSizeSteps::sizingAllowed(width, m_s.TwipsPerPixelX);
    for (const char *command : {"FMSmaller", "FMLarger", "FMRealign"})
        m_commands.setEnabled(QString::fromLatin1(command), on);
    m_c.tlbCFMapFmt->setButtonEnabled(QStringLiteral("FMapSld"), on);
    m_c.SplitBar->setVisible(on);
    m_s.fontMap.setMaxSizeIndex(ScreenDefaults::maxSizeIndex(width, m_s.TwipsPerPixelX));
    applyLargestStep();
    m_layout.UpdateSizeCtrls();
}

void FontMapSizing::applyLargestStep()
{
    if (m_s.fontMap.MaxSizeIndex() > 1) {
        m_c.pbxSetFMapSize->setEnabled(true);
        // A slider above its new maximum comes down without rebuilding the map here: the
        // resize handler brings the map down to the largest step, with the layout around it.
        const QSignalBlocker quiet(m_c.sldSetFMapSize);
        m_c.sldSetFMapSize->setMaximum(m_s.fontMap.MaxSizeIndex());
    } else {
        m_c.pbxSetFMapSize->setEnabled(false);
    }
}

void FontMapSizing::followScreenWidth(int screenWidth)
{
    m_s.LastScreenWidth = screenWidth;
    m_s.fontMap.setMaxSizeIndex(ScreenDefaults::maxSizeIndex(screenWidth, m_display.twipsPerPixelX()));
    applyLargestStep();
    if (m_s.fontMap.SizeIndex() > m_s.fontMap.MaxSizeIndex()) {
        m_c.sldSetFMapSize->setValue(m_s.fontMap.MaxSizeIndex());
        sldSetFMapSize_Change();
    }
    if (Twips::top(m_c.SplitBar) > LayoutRules::kSplitBarHighestPx * m_s.textBoard.TwipsPerPixelY())
        m_layout.ResetLayout(m_s.fontMap.SizeIndex() - 1);
}

void FontMapSizing::ResizeFMap(int delta, bool grow)
{
    const double tppX = m_s.TwipsPerPixelX;
    const double tppY = m_s.textBoard.TwipsPerPixelY();
    m_s.fontMap.setFMResizing(true);
    FontMapGrid *map = m_c.FMapContainer;
    map->hide();

    MapSizeSteps::Cells cells = map->cellGeometries();
    MapSizeSteps::resizeCells(cells, grow ? delta : -delta, tppX, tppY);
    map->setCellGeometries(cells);
    CoolBar *bar = m_c.clbFontMap;
    const QSizeF container = MapSizeSteps::containerSize(cells[0].size(), Twips::height(bar), tppX, tppY);
    Twips::setHeight(map, container.height());
    Twips::setWidth(map, container.width());
    Twips::setWidth(bar, container.width());
    // The name band's box is the band's control and takes the band's width with it.
    const double nameBand = MapSizeSteps::nameBandWidth(container.width(), bar->bandWidth(1), bar->bandWidth(2));
    bar->setBandWidth(3, nameBand);
    Twips::setWidth(m_c.lblCFMName, nameBand);

    const double standardHeight = LayoutRules::standardWindowSize(m_s.fontMap.SizeIndex() - 1, tppX, tppY).height();
    if (!m_s.SettingsReset && m_s.FirstActivate && m_s.LastFormHeight > standardHeight) {
        // The first sizing at start-up keeps a taller window of the last run, with the map at
        // its bottom and the TextBoard taking the height above it.
        if (!m_window.setFormSize(QSizeF(m_s.LastFormWidth, m_s.LastFormHeight)))
            m_layout.followWindowSize();
        const double height = m_window.formHeight();
        Twips::setTop(map, height - container.height() - 68 * tppY);
        Twips::setHeight(m_c.TextBoard, height - Twips::top(m_c.TextBoard) - container.height() - 70 * tppY);
    } else {
        m_layout.ResetLayout(m_c.sldSetFMapSize->value() - 1);
    }
    if (m_views.position() == QLatin1String("R"))
        m_layout.SetVCSide(QStringLiteral("R"));

    map->show();
    m_s.fontMap.setFMResizing(false);
    m_s.SettingsReset = false;
}

void FontMapSizing::sldSetFMapSize_Scroll(int value)
{
    m_c.lblSetFMapSizeNumber->setText(QString::number(value));
}

void FontMapSizing::sldSetFMapSize_Change()
{
    const int value = m_c.sldSetFMapSize->value();
    m_c.lblSetFMapSizeNumber->setText(QString::number(value));
    if (value != m_s.fontMap.SizeIndex()) {
        const int from = m_s.fontMap.SizeIndex();
        // The step is taken before the rebuild, so that a resize handler that runs inside it
        // sees the step being laid out and does not rebuild the map a second time.
        m_s.fontMap.setSizeIndex(value);
        ResizeFMap(std::abs(value - from), value > from);
        m_layout.UpdateSizeCtrls();
    }
    if (!m_s.FirstActivate)
        focusTextBoard();
}

void FontMapSizing::FMLarger_Click()
{
    m_c.sldSetFMapSize->setValue(m_c.sldSetFMapSize->value() + 1);
}

void FontMapSizing::FMSmaller_Click()
{
    m_c.sldSetFMapSize->setValue(m_c.sldSetFMapSize->value() - 1);
}

void FontMapSizing::FMRealign_Click()
{
    m_layout.ResetLayout(m_s.fontMap.SizeIndex() - 1);
}

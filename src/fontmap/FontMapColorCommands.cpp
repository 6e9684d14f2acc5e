#include "fontmap/FontMapColorCommands.h"

#include "fontmap/FMColorPalette.h"
#include "fontmap/FontMapControls.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapState.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/StateBinding.h"

#include <QEvent>
#include <QLabel>

FontMapColorCommands::FontMapColorCommands(FontMapControls &controls, const std::array<QLabel *, 2> &sampleText,
                                           FontMapState &state, FontMapColors &colors, ActionCollection &commands,
                                           QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_sampleText(sampleText)
    , m_s(state)
    , m_colors(colors)
{
    commands.onTriggered(QStringLiteral("FMFColor"), this, &FontMapColorCommands::FMFColor_Click);
    commands.onTriggered(QStringLiteral("FMBColor"), this, &FontMapColorCommands::FMBColor_Click);
    // The highlight and grid commands switch the state (their check marks are bound to it).
    showAndFollow(&m_colors, &FontMapColors::colorsChanged, this, &FontMapColorCommands::showColors);
    connect(&m_colors, &FontMapColors::hiliteChanged, this, &FontMapColorCommands::FMHiLite_Changed);
    showAndFollow(&m_colors, &FontMapColors::bordersChanged, this, [this](bool on) { SetFMapBorders(on ? 1 : 0); },
                  m_colors.borders());
}

FontMapColorCommands::~FontMapColorCommands() = default;

void FontMapColorCommands::loadPalette(Registry &store, CommonDialog &dialog, QWidget *owner)
{
    m_makePalette = [this, &store, &dialog, owner] {
        m_palette = std::make_unique<FMColorPalette>(store, dialog, m_colors, owner);
    };
    owner->installEventFilter(this);
}

bool FontMapColorCommands::eventFilter(QObject *watched, QEvent *event)
{
    // The window's first paint: the palette follows once that frame is out.
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &FontMapColorCommands::ensurePalette, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FontMapColorCommands::ensurePalette()
{
    if (!m_palette && m_makePalette)
        std::exchange(m_makePalette, {})();
}

void FontMapColorCommands::unloadPalette()
{
    // A palette not made yet is made, so that it saves what it read, as every palette does.
    ensurePalette();
    if (!m_palette)
        return;
    m_palette->unload();
    m_palette.reset();
}

void FontMapColorCommands::SetFMapColors(bool setFore, ColorValue fore, bool setBack, ColorValue back)
{
    if (!setFore && !setBack)
        return;
    FontMapGrid *grid = m_c.FMapContainer;
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        if (setFore)
            grid->setForeColor(i, fore);
        if (setBack)
            grid->setBackColor(i, back);
    }
    const ColorValue mapFore = m_colors.fore().color;
    const ColorValue mapBack = m_colors.back().color;
    // The highlighted cell had the two colours swapped; changing one of them would leave it
    // half swapped. It shows the plain colours until the pointer moves over a cell again.
    grid->setForeColor(m_s.LastHoverIndex(), mapFore);
    grid->setBackColor(m_s.LastHoverIndex(), mapBack);
    setForeColor(m_c.TextZoom, mapFore);
    setBackColor(m_c.TextZoom, mapBack);
    setForeColor(m_sampleText[0], mapBack);
    setForeColor(m_sampleText[1], mapFore);
}

void FontMapColorCommands::showColors()
{
    SetFMapColors(true, m_colors.fore().color, true, m_colors.back().color);
}

void FontMapColorCommands::SetFMapBorders(int style)
{
    FontMapGrid *grid = m_c.FMapContainer;
    if (grid->cell(1).borderStyle == style)
        return;
    const int shown = m_colors.borders() ? 1 : 0;
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        grid->setBorderStyle(i, shown);
}

void FontMapColorCommands::FMHiLite_Changed()
{
    // Switched on or off, no cell stays highlighted.
    m_c.FMapContainer->setForeColor(m_s.LastHoverIndex(), m_colors.fore().color);
    m_c.FMapContainer->setBackColor(m_s.LastHoverIndex(), m_colors.back().color);
}

std::optional<FontMapColors::Choice> FontMapColorCommands::choose(const FontMapColors::Choice &current,
                                                                  const QString &caption, bool valueCounts)
{
    ensurePalette();
    if (!m_palette)
        return std::nullopt;
    return pickPaletteColor(*m_palette, current, caption, valueCounts);
}

void FontMapColorCommands::FMFColor_Click()
{
    if (const auto choice = choose(m_colors.fore(), QStringLiteral("Select A Font Color"), false))
        m_colors.setFore(*choice);
    Q_EMIT textBoardFocusRequested();
}

void FontMapColorCommands::FMBColor_Click()
{
    // Picking the same custom cell after changing its colour in the palette applies the new
    // background.
    if (const auto choice = choose(m_colors.back(), QStringLiteral("Select A Background Color"), true))
        m_colors.setBack(*choice);
    Q_EMIT textBoardFocusRequested();
}

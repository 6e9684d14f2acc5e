#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/FontMapColors.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class ActionCollection;
class CommonDialog;
class FMColorPalette;
class QLabel;
class QWidget;
class Registry;
struct FontMapControls;
class FontMapState;

// The FontMap's colours on screen and the commands that change them: the font and background
// colour chosen in the colour palette, the mouse highlight and the grid. The cells, the Zoom
// view and the credit line follow FontMapColors; the palette is owned here, loaded hidden at
// start-up and unloaded at shutdown.
class FontMapColorCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapColorCommands)

public:
    // `sampleText` is the credit line under the FontMap, which takes the FontMap's colours.
    FontMapColorCommands(FontMapControls &controls, const std::array<QLabel *, 2> &sampleText, FontMapState &state,
                         FontMapColors &colors, ActionCollection &commands, QObject *parent = nullptr);
    ~FontMapColorCommands() override;

    // Start-up: the palette is made, hidden, and reads the custom colours from the store.
    // Hidden, it shows nothing in the window's first frame, so it is made just after that
    // frame, or before when a colour command or the shutdown needs it (ensurePalette).
    void loadPalette(Registry &store, CommonDialog &dialog, QWidget *owner);
    void ensurePalette();
    // Shutdown: the palette saves the custom colours and is destroyed.
    void unloadPalette();
    FMColorPalette *palette() const { return m_palette.get(); }

    // Gives every cell the fore colour (when setFore) and the back colour (when setBack), the
    // Zoom view the FontMap's two colours and the credit line its; the highlighted cell shows
    // the plain colours until the next hover. Nothing happens when neither is set.
    void SetFMapColors(bool setFore, ColorValue fore, bool setBack, ColorValue back);
    // Shows or hides every cell's border as the grid switch says, unless the cells already
    // have `style` (1 border, 0 none).
    void SetFMapBorders(int style);

    void FMFColor_Click();
    void FMBColor_Click();

Q_SIGNALS:
    // A colour command is done: the typing goes back to the TextBoard.
    void textBoardFocusRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The palette shown with the colour handed in; the answer when the user chose a colour.
    // `valueCounts`: a changed colour in the same cell is a choice too.
    std::optional<FontMapColors::Choice> choose(const FontMapColors::Choice &current, const QString &caption,
                                                bool valueCounts);
    void showColors();
    void FMHiLite_Changed();

    FontMapControls &m_c;
    std::array<QLabel *, 2> m_sampleText;
    FontMapState &m_s;
    FontMapColors &m_colors;
    std::unique_ptr<FMColorPalette> m_palette;
    std::function<void()> m_makePalette;  // set from loadPalette until the palette is made
};

#pragma once

#include "core/ColorValue.h"
#include "tools/OptionsSamples.h"

#include <QObject>

class CommonDialog;
class FontCatalog;
class FontMapColors;
class QWidget;
class SettingsAccess;
struct CommonDialogProperties;
struct OptionsControls;
struct Settings;

// The TextBoard's defaults in the Options dialog: the font and size areas above the tabs and
// the "TextBoard" tab. The font comes from the font dialog, whose choice also decides which
// styles the font leaves to the user; the text colour from the colour picker; the sample shows
// them all. The font's name reaches the FontMap samples as well, and its styles the zoom sample.
class OptionsTextBoardTab final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsTextBoardTab)

public:
    // The font dialog is `cmnDlg` shown by `dialog`; the colour picker is shown over `owner`;
    // the picker's choice is written under Temp through `settings`.
    OptionsTextBoardTab(OptionsControls &controls, OptionsSamples &samples, const FontCatalog &fonts,
                        CommonDialog &dialog, CommonDialogProperties &cmnDlg, SettingsAccess &settings,
                        const FontMapColors &schemeColors, QWidget *owner, QObject *parent = nullptr);

    void load(const Settings &stored);
    // The tab's values as Set would save them.
    void collect(Settings &chosen) const;

    void ChgFont_Click();
    void SetFontStyleChecks(const QString &fontName);
    void OFontSizeSlider_Change(int value);
    void OAlign_Click(int index);
    void ChgTBFColor_Click();
    void SetSampleTBFColor(ColorValue color);

private:
    using Style = OptionsSamples::Style;

    void style_Click(Style style, bool on);
    void showColor();
    void showSampleFont();

    OptionsControls &m_c;
    OptionsSamples &m_samples;
    const FontCatalog &m_fonts;
    CommonDialog &m_dialog;
    CommonDialogProperties &m_cmnDlg;
    SettingsAccess &m_settings;
    const FontMapColors &m_schemeColors;
    QWidget *m_owner;
    int m_tbfColorIndex = 0;  // TBFColorIndex
    int m_alignment = 0;      // the sample's
};

#pragma once

#include "fontmap/rules/FontMapColors.h"

#include <QObject>
#include <QString>

class CommonDialog;
class FMColorPalette;
class FontMapColors;
class OptionsSamples;
class QLabel;
class SettingsAccess;
struct CommonDialogProperties;
struct OptionsControls;
struct Settings;

// The FontMap's defaults in the Options dialog, its "FontMap" tab: the font and background
// colours picked in the FontMap colour palette (each choice written under Temp at once), the
// highlight and grid switches, and the custom map loaded at start-up with its Browse.
class OptionsFontMapTab final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsFontMapTab)

public:
    // `palette` is the program's FontMap colour palette; the open dialog is `cmnDlg` shown by
    // `dialog`.
    OptionsFontMapTab(OptionsControls &controls, OptionsSamples &samples, FMColorPalette &palette,
                      CommonDialog &dialog, CommonDialogProperties &cmnDlg, SettingsAccess &settings,
                      const FontMapColors &schemeColors, QObject *parent = nullptr);

    void load(const Settings &stored);
    // The tab's values as Set would save them.
    void collect(Settings &chosen) const;

    void ChgFMFColor_Click();
    void ChgFMBColor_Click();
    void ochkInitMap_Click();
    void ocmdInitMap_Click();

private:
    enum Which { Fore = 0, Back = 1 };

    void changeColor(Which which);
    void showColor(Which which);
    void showInitMap(const QString &path);

    OptionsControls &m_c;
    OptionsSamples &m_samples;
    FMColorPalette &m_palette;
    CommonDialog &m_dialog;
    CommonDialogProperties &m_cmnDlg;
    SettingsAccess &m_settings;
    const FontMapColors &m_schemeColors;
    FontMapColors::Choice m_colors[2];
    QString m_initMapPath;   // the start-up map's full path (the label's tag); empty: none chosen
    QString m_initMapFolder; // InitMapFolder: where Browse starts
};

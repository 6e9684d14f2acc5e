#pragma once

#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "platform/CommonDialog.h"
#include "tools/OptionsControls.h"

#include <QDialog>
#include <QList>

#include <memory>

class FMColorPalette;
class FontMapColors;
class OptionsFontMapTab;
class OptionsSamples;
class OptionsTextBoardTab;
class OptionsViewsTab;
struct Services;

// The Options dialog `Options` ("Default Options"): the stored defaults that the main window
// reads at its next start, on six tabs. It reads them from the store when it opens, never from
// the running window, and changes nothing that runs: Set writes them all back in one batch
// after a change, Cancel writes nothing. Only the colour buttons write at once, under Temp.
//
// The "Dialogs", "Tools" and "General" tabs, the keyboard order and the keys are the frame's
// own; the TextBoard, FontMap and Views tabs and the samples have parts of their own.
class OptionsDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    // Loads the dialog (repairing a stored zoomed letter or sample start that is out of range
    // first). `palette` is the program's FontMap colour palette.
    OptionsDialog(const Services &services, FMColorPalette &palette, const FontMapColors &schemeColors,
                  QWidget *parent = nullptr);
    ~OptionsDialog() override;

    const OptionsControls &controls() const { return m_c; }
    // The values as Set would save them now.
    Settings chosen() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load(const Services &services, FMColorPalette &palette);
    void LoadOptDefaults(const Settings &stored);
    void SetupOptToolTips();
    void SSTabOption_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void SaveOptDefaults(const Settings &values);
    void oSampleText_LostFocus();

    // The controls of a tab that take a tab stop, in their order; a group of option buttons is
    // one stop, taken by its selected button.
    QList<QList<QWidget *>> tabStops(int tab) const;

    SettingsAccess m_settings;
    const FontMapColors &m_schemeColors;
    CommonDialogProperties m_cmnDlg;  // CmnDlg: the font dialog and the open dialog
    OptionsControls m_c;
    std::unique_ptr<OptionsSamples> m_samples;
    std::unique_ptr<OptionsTextBoardTab> m_textBoard;
    std::unique_ptr<OptionsFontMapTab> m_fontMap;
    std::unique_ptr<OptionsViewsTab> m_views;
    Settings m_stored;    // as loaded
    Settings m_snapshot;  // OptSnapshot: the choices when loading ended
};

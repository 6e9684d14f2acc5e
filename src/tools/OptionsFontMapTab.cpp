#include "tools/OptionsFontMapTab.h"

#include "core/GlobalDeclarations.h"
#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/rules/PaletteCells.h"
#include "platform/CommonDialog.h"
#include "tools/OptionsControls.h"
#include "tools/OptionsSamples.h"
#include "tools/rules/StartupMap.h"
#include "widgets/ColorResolve.h"
#include "widgets/Message.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The two colour buttons, one family.
struct ColorMember
{
    const char *caption;
    const char *tempPaletteRef;
    const char *tempColorIndex;
    const char *tempColorName;
};
constexpr ColorMember kMembers[] = {
    {"Select A Font Color", "FMFPaletteRef", "FMFColorIndex", "FMFColorName"},
    {"Select A Background Color", "FMBPaletteRef", "FMBColorIndex", "FMBColorName"},
};

QString text(const char *t)
{
    return QString::fromLatin1(t);
}

} // namespace

OptionsFontMapTab::OptionsFontMapTab(OptionsControls &controls, OptionsSamples &samples, FMColorPalette &palette,
                                     CommonDialog &dialog, CommonDialogProperties &cmnDlg, SettingsAccess &settings,
                                     const FontMapColors &schemeColors, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_samples(samples)
    , m_palette(palette)
    , m_dialog(dialog)
    , m_cmnDlg(cmnDlg)
    , m_settings(settings)
    , m_schemeColors(schemeColors)
{
    connect(m_c.ChgFMFColor, &QPushButton::clicked, this, &OptionsFontMapTab::ChgFMFColor_Click);
    connect(m_c.ChgFMBColor, &QPushButton::clicked, this, &OptionsFontMapTab::ChgFMBColor_Click);
    connect(m_c.ochkInitMap, &QCheckBox::toggled, this, &OptionsFontMapTab::ochkInitMap_Click);
    connect(m_c.ocmdInitMap, &QPushButton::clicked, this, &OptionsFontMapTab::ocmdInitMap_Click);
}

void OptionsFontMapTab::load(const Settings &stored)
{
    m_colors[Fore] = {stored.FMForeColor, stored.FMForePaletteRef, stored.FMForeColorIndex, stored.FMForeColorName};
    m_colors[Back] = {stored.FMBackColor, stored.FMBackPaletteRef, stored.FMBackColorIndex, stored.FMBackColorName};
    m_c.OFMapBorders->setChecked(stored.Borders != 0);
    m_c.OFMapHilite->setChecked(stored.Hilite);
    m_c.ochkInitMap->setChecked(stored.InitMap);
    if (StartupMap::isMap(stored.InitMapPath)) {
        showInitMap(stored.InitMapPath);
    } else {
        m_c.olblInitMap->setText(stored.InitMapPath);
        m_initMapFolder = stored.LMLoadPath;
    }

    showColor(Fore);
    showColor(Back);
    m_samples.OFMapBorders_Click();
    ochkInitMap_Click();
}

void OptionsFontMapTab::collect(Settings &chosen) const
{
    const FontMapColors::Choice &fore = m_colors[Fore];
    const FontMapColors::Choice &back = m_colors[Back];
    chosen.FMForeColor = fore.color;
    chosen.FMForePaletteRef = fore.paletteRef;
    chosen.FMForeColorIndex = fore.index;
    chosen.FMForeColorName = fore.name;
    chosen.FMBackColor = back.color;
    chosen.FMBackPaletteRef = back.paletteRef;
    chosen.FMBackColorIndex = back.index;
    chosen.FMBackColorName = back.name;
    chosen.Hilite = m_c.OFMapHilite->isChecked();
    chosen.Borders = m_c.OFMapBorders->isChecked() ? 1 : 0;
    chosen.InitMap = m_c.ochkInitMap->isChecked();
    chosen.InitMapPath = StartupMap::isMap(m_initMapPath) ? m_initMapPath : StartupMap::none();
}

void OptionsFontMapTab::showColor(Which which)
{
    const FontMapColors::Choice &choice = m_colors[which];
    QLabel *palette = which == Fore ? m_c.OFMFPalName : m_c.OFMBPalName;
    QLabel *name = which == Fore ? m_c.OFMFColorName : m_c.OFMBColorName;
    QLabel *swatch = which == Fore ? m_c.OFMapFColor : m_c.OFMapBColor;
    palette->setText(PaletteCells::tabCaption(choice.paletteRef));
    name->setText(choice.name);
    setBackColor(swatch, choice.color);
    if (which == Fore)
        m_samples.setForeColor(choice.color);
    else
        m_samples.setBackColor(choice.color);
}

void OptionsFontMapTab::ChgFMFColor_Click()
{
    changeColor(Fore);
}

void OptionsFontMapTab::ChgFMBColor_Click()
{
    changeColor(Back);
}

void OptionsFontMapTab::changeColor(Which which)
{
    const ColorMember &member = kMembers[which];
    const std::optional<FontMapColors::Choice> choice =
        pickPaletteColor(m_palette, m_colors[which], text(member.caption), false);
    if (!choice)
        return;
    m_colors[which] = *choice;
    showColor(which);
    const QString temp = text("Temp");
    m_settings.writeMany({{temp, text(member.tempPaletteRef), choice->paletteRef},
                          {temp, text(member.tempColorIndex), choice->index},
                          {temp, text(member.tempColorName), choice->name}});
}

void OptionsFontMapTab::ochkInitMap_Click()
{
    const bool on = m_c.ochkInitMap->isChecked();
    m_c.olblInitMap->setEnabled(on);
    m_c.ocmdInitMap->setEnabled(on);
}

void OptionsFontMapTab::showInitMap(const QString &path)
{
    m_initMapPath = path;
    m_initMapFolder = StartupMap::folderOf(path);
    m_c.olblInitMap->setText(StartupMap::nameOf(path));
    m_c.olblInitMap->setToolTip(globals().gToolTips ? path : QString());
}

void OptionsFontMapTab::ocmdInitMap_Click()
{
    const QString app = globals().gAppName;
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Filter = app + QStringLiteral(" Custom Map Files (*.QCM)|*.qcm");
    d.Flags = CdlFlags::FileMustExist | CdlFlags::PathMustExist | CdlFlags::HideReadOnly;
    d.InitDir = m_initMapFolder;
    d.DialogTitle = QStringLiteral("Specify Startup Custom Map");
    d.FileName.clear();
    if (m_dialog.ShowOpen(d) != DialogResult::Confirmed)
        return;

    if (StartupMap::alreadySpecified(d.FileName, m_initMapPath)) {
        const QString cr(QLatin1Char('\r'));
        QrvlMsg(cr + cr + cr + m_c.olblInitMap->text() + cr + cr + QStringLiteral("This Custom Map is already specified."),
                QStringLiteral("OK"), messageTitle(" Custom Map Selection Error"), false, 1, m_schemeColors);
        return;
    }
    showInitMap(d.FileName);
}

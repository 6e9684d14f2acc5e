#include "tools/OptionsTextBoardTab.h"

#include "core/QBColors.h"
#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/CommonDialog.h"
#include "platform/FontCatalog.h"
#include "textboard/TBColorPicker.h"
#include "tools/OptionsControls.h"
#include "widgets/ColorResolve.h"
#include "widgets/SizeNumberEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

constexpr std::array<OptionsSamples::Style, 4> kStyles = {OptionsSamples::Bold, OptionsSamples::Italic,
                                                          OptionsSamples::Underline, OptionsSamples::Strikeout};

std::array<QCheckBox *, 4> styleChecks(const OptionsControls &c)
{
    return {c.OFFontBold, c.OFFontItalic, c.OFFontUnderline, c.OFFontStrikethrough};
}

Qt::Alignment sampleAlignment(int alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

OptionsTextBoardTab::OptionsTextBoardTab(OptionsControls &controls, OptionsSamples &samples, const FontCatalog &fonts,
                                         CommonDialog &dialog, CommonDialogProperties &cmnDlg,
                                         SettingsAccess &settings, const FontMapColors &schemeColors, QWidget *owner,
                                         QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_samples(samples)
    , m_fonts(fonts)
    , m_dialog(dialog)
    , m_cmnDlg(cmnDlg)
    , m_settings(settings)
    , m_schemeColors(schemeColors)
    , m_owner(owner)
{
    connect(m_c.ChgFont, &QPushButton::clicked, this, &OptionsTextBoardTab::ChgFont_Click);
    connect(m_c.OFontSizeSlider, &QSlider::valueChanged, this, &OptionsTextBoardTab::OFontSizeSlider_Change);
    new SizeNumberEdit(m_c.OFontSizeNumber, m_c.OFontSizeEdit, m_c.OFontSizeSlider,
                       [this] { m_c.OFontSizeSlider->setFocus(Qt::OtherFocusReason); });
    const auto checks = styleChecks(m_c);
    for (Style s : kStyles)
        connect(checks[s], &QCheckBox::toggled, this, [this, s](bool on) { style_Click(s, on); });
    for (int i = 0; i < int(m_c.OAlign.size()); ++i) {
        connect(m_c.OAlign[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                OAlign_Click(i);
        });
    }
    connect(m_c.ChgTBFColor, &QPushButton::clicked, this, &OptionsTextBoardTab::ChgTBFColor_Click);
}

void OptionsTextBoardTab::load(const Settings &stored)
{
    m_c.OCurrentFont->setText(stored.TBFontName);
    m_samples.setFontName(stored.TBFontName);
    m_c.OFontSizeSlider->setValue(stored.TBFontSize);
    const auto checks = styleChecks(m_c);
    for (Style s : kStyles)
        checks[s]->setChecked(stored.TBFontStyle[s] != 0);
    m_alignment = stored.TBAlignment;
    m_tbfColorIndex = stored.TBFontColorIndex;
    m_c.OTBFColorName->setText(stored.TBFontColorName);
    m_c.OOptMaxTB->setChecked(stored.MaximizeTB);

    // The controls whose value did not change ran no handler; everything is shown once more.
    OFontSizeSlider_Change(m_c.OFontSizeSlider->value());
    showColor();
    m_c.OAlign[m_alignment]->setChecked(true);
    m_c.OTBSample->setAlignment(sampleAlignment(m_alignment));
    for (Style s : kStyles) {
        m_samples.setZoomStyle(s, checks[s]->isChecked());
        checks[s]->setEnabled(true);
    }
    showSampleFont();
}

void OptionsTextBoardTab::collect(Settings &chosen) const
{
    chosen.TBFontName = m_c.OCurrentFont->text();
    chosen.TBFontSize = m_c.OFontSizeSlider->value();
    const auto checks = styleChecks(m_c);
    for (Style s : kStyles)
        chosen.TBFontStyle[s] = checks[s]->isChecked() ? 1 : 0;
    chosen.TBAlignment = m_alignment;
    chosen.TBFontColorIndex = m_tbfColorIndex;
    chosen.TBFontColorName = m_c.OTBFColorName->text();
    chosen.MaximizeTB = m_c.OOptMaxTB->isChecked();
}

void OptionsTextBoardTab::showColor()
{
    const ColorValue color = QBColor(m_tbfColorIndex);
    setBackColor(m_c.OTBFColor, color);
    setForeColor(m_c.OTBSample, color);
}

void OptionsTextBoardTab::showSampleFont()
{
    const QString name = m_c.OCurrentFont->text();
    if (name.isEmpty())
        return;
    QFont font = m_fonts.font(name, m_c.OFontSizeSlider->value());
    // A style switched off keeps the face's own: a font that is only bold stays bold.
    if (m_c.OFFontBold->isChecked())
        font.setBold(true);
    if (m_c.OFFontItalic->isChecked())
        font.setItalic(true);
    font.setUnderline(m_c.OFFontUnderline->isChecked());
    font.setStrikeOut(m_c.OFFontStrikethrough->isChecked());
    m_c.OTBSample->setFont(font);
}

void OptionsTextBoardTab::ChgFont_Click()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Flags = CdlFlags::ScreenFonts | CdlFlags::Effects | CdlFlags::LimitSize | CdlFlags::ForceFontExist;
    d.FontName = m_c.OCurrentFont->text();
    d.FontSize = m_c.OFontSizeSlider->value();
    d.Min = FontSizeRules::kMin;
    d.Max = FontSizeRules::kMax;
    d.FontBold = m_c.OFFontBold->isChecked();
    d.FontItalic = m_c.OFFontItalic->isChecked();
    d.FontUnderline = m_c.OFFontUnderline->isChecked();
    d.FontStrikethru = m_c.OFFontStrikethrough->isChecked();
    d.Color = QBColor(m_tbfColorIndex);
    if (m_dialog.ShowFont(d) != DialogResult::Confirmed)
        return;

    if (d.FontName != m_c.OCurrentFont->text()) {
        SetFontStyleChecks(d.FontName);
        m_c.OCurrentFont->setText(d.FontName);
        showSampleFont();
        m_samples.setFontName(d.FontName);
    }
    if (d.FontSize != m_c.OFontSizeSlider->value())
        m_c.OFontSizeSlider->setValue(
            std::clamp(FontSizeRules::roundHalfEven(d.FontSize), FontSizeRules::kMin, FontSizeRules::kMax));
    const std::array<bool, 4> chosen = {d.FontBold, d.FontItalic, d.FontUnderline, d.FontStrikethru};
    const auto checks = styleChecks(m_c);
    for (Style s : kStyles)
        checks[s]->setChecked(chosen[s]);
    if (d.Color != QBColor(m_tbfColorIndex))
        SetSampleTBFColor(d.Color);
}

void OptionsTextBoardTab::SetFontStyleChecks(const QString &fontName)
{
    // A style the font's face draws with every style switched off is the font's own: its box
    // is no choice, but keeps its check.
    const FamilyStyles styles = m_fonts.styles(fontName);
    m_c.OFFontBold->setEnabled(!styles.forcedBold);
    m_c.OFFontItalic->setEnabled(!styles.forcedItalic);
    m_c.OFFontUnderline->setEnabled(true);
    m_c.OFFontStrikethrough->setEnabled(true);
}

void OptionsTextBoardTab::OFontSizeSlider_Change(int value)
{
    m_c.OFontSizeNumber->setText(QString::number(value));
    showSampleFont();
}

void OptionsTextBoardTab::style_Click(Style style, bool on)
{
    showSampleFont();
    m_samples.setZoomStyle(style, on);
}

void OptionsTextBoardTab::OAlign_Click(int index)
{
    if (m_alignment == index)
        return;
    m_alignment = index;
    m_c.OTBSample->setAlignment(sampleAlignment(index));
}

void OptionsTextBoardTab::ChgTBFColor_Click()
{
    const std::optional<int> picked = pickTextColor(m_tbfColorIndex, m_schemeColors, m_owner);
    if (!picked)
        return;
    m_tbfColorIndex = *picked;
    m_c.OTBFColorName->setText(QBColorName(m_tbfColorIndex));
    showColor();
    m_settings.write(QStringLiteral("Temp"), QStringLiteral("TBFColorIndex"), m_tbfColorIndex);
}

void OptionsTextBoardTab::SetSampleTBFColor(ColorValue color)
{
    // A colour that is none of the sixteen changes nothing: the text colour is always one of them.
    for (int i = 0; i < 16; ++i) {
        if (QBColor(i) == color) {
            m_tbfColorIndex = i;
            m_c.OTBFColorName->setText(QBColorName(i));
            showColor();
            return;
        }
    }
}

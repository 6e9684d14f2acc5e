#include "tools/OptionsViewsTab.h"

#include "core/Settings.h"
#include "fontmap/rules/EditedNumber.h"
#include "fontmap/rules/ViewSettings.h"
#include "tools/OptionsControls.h"
#include "tools/OptionsSamples.h"
#include "widgets/SizeNumberEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

OptionsViewsTab::OptionsViewsTab(OptionsControls &controls, OptionsSamples &samples, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_samples(samples)
{
    connect(m_c.OZoomSizeSlider, &QSlider::valueChanged, this, &OptionsViewsTab::OZoomSizeSlider_Change);
    new SizeNumberEdit(
        m_c.OZoomSizeNumber, m_c.OZoomSizeEdit, m_c.OZoomSizeSlider,
        [this] { m_c.OZoomSizeSlider->setFocus(Qt::OtherFocusReason); },
        [](const QString &text) {
            return numberFromEditText(text, ViewSettings::kMinZoomSize, ViewSettings::kMaxZoomSize);
        });
}

void OptionsViewsTab::load(const Settings &stored)
{
    m_c.OViewZoom->setChecked(stored.ZoomView);
    m_c.OViewCode->setChecked(stored.CodeView);
    m_c.OViewKS->setChecked(stored.KeyStrokeView);
    m_c.OZoomSizeSlider->setValue(stored.ZoomSize);
    (stored.VCPosition == QLatin1String("R") ? m_c.OVCOnR : m_c.OVCOnL)->setChecked(true);
    OZoomSizeSlider_Change(m_c.OZoomSizeSlider->value());
}

void OptionsViewsTab::collect(Settings &chosen) const
{
    chosen.ZoomView = m_c.OViewZoom->isChecked();
    chosen.CodeView = m_c.OViewCode->isChecked();
    chosen.KeyStrokeView = m_c.OViewKS->isChecked();
    chosen.ZoomSize = m_c.OZoomSizeSlider->value();
    chosen.VCPosition = m_c.OVCOnR->isChecked() ? QStringLiteral("R") : QStringLiteral("L");
}

void OptionsViewsTab::OZoomSizeSlider_Change(int value)
{
    m_c.OZoomSizeNumber->setText(QString::number(value));
    m_samples.setZoomSize(value);
}

#include "tools/OptionsDialog.h"

#include "core/GlobalDeclarations.h"
#include "platform/Services.h"
#include "tools/FontMapSampleRow.h"
#include "tools/OptionsFontMapTab.h"
#include "tools/OptionsSamples.h"
#include "tools/OptionsTextBoardTab.h"
#include "tools/OptionsViewsTab.h"
#include "tools/rules/OptionDefaults.h"
#include "tools/rules/OptionsChangeTest.h"
#include "widgets/Message.h"
#include "widgets/TagToolTips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString &cr()
{
    static const QString s(QLatin1Char('\r'));
    return s;
}

enum Tab { TextBoardTab = 0, FontMapTab, ViewsTab, DialogsTab, ToolsTab, GeneralTab, kTabCount };

template<std::size_t N>
QList<QWidget *> group(const std::array<QRadioButton *, N> &buttons)
{
    return QList<QWidget *>(buttons.begin(), buttons.end());
}

// A control with a tab stop is reached with Tab; one without is still reached with the mouse.
void setTabStop(QWidget *w, bool on)
{
    w->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

OptionsDialog::OptionsDialog(const Services &services, FMColorPalette &palette, const FontMapColors &schemeColors,
                             QWidget *parent)
    : QDialog(parent)
    , m_settings(*services.registry)
    , m_schemeColors(schemeColors)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Default Options"));
    m_c = buildOptionsControls(this);
    Form_Load(services, palette);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::Form_Load(const Services &services, FMColorPalette &palette)
{
    // The repairs of the zoomed letter and the sample start are written before anything else.
    const Settings stored = OptionDefaults::open(m_settings);

    m_samples = std::make_unique<OptionsSamples>(m_c, *services.fonts, *services.codePage);
    m_textBoard = std::make_unique<OptionsTextBoardTab>(m_c, *m_samples, *services.fonts, *services.dialog, m_cmnDlg,
                                                        m_settings, m_schemeColors, this);
    m_fontMap = std::make_unique<OptionsFontMapTab>(m_c, *m_samples, palette, *services.dialog, m_cmnDlg, m_settings,
                                                    m_schemeColors);
    m_views = std::make_unique<OptionsViewsTab>(m_c, *m_samples);
    connect(m_c.cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(m_c.cmdCancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);
    connect(m_c.SSTabOption, &QTabWidget::currentChanged, this, &OptionsDialog::SSTabOption_Click);
    // Selecting an option button moves its group's tab stop to it.
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const QList<QWidget *> &stop : tabStops(tab)) {
            for (QWidget *w : stop) {
                if (auto *option = qobject_cast<QRadioButton *>(w))
                    connect(option, &QRadioButton::toggled, this, [this](bool on) {
                        if (on)
                            SSTabOption_Click();
                    });
            }
        }
    }
    m_c.oSampleText->installEventFilter(this);
    // The tabs are chosen with the mouse or Ctrl+Tab; Tab goes through the controls.
    m_c.SSTabOption->setFocusPolicy(Qt::ClickFocus);
    m_c.SSTabOption->tabBar()->setFocusPolicy(Qt::ClickFocus);
    m_c.OCharButtonScroll->setFocusPolicy(Qt::StrongFocus);

    SetupOptToolTips();
    LoadOptDefaults(stored);
    m_c.SSTabOption->setCurrentIndex(TextBoardTab);
    SSTabOption_Click();
}

void OptionsDialog::LoadOptDefaults(const Settings &stored)
{
    m_stored = stored;
    m_textBoard->load(stored);
    m_fontMap->load(stored);
    m_views->load(stored);
    m_c.ODisplayCD->setChecked(stored.CopyDialog);
    m_c.ODisplayEW->setChecked(stored.ExitWarning);
    m_c.ODisplayOW->setChecked(stored.OverwriteWarning);
    m_c.ODisplayCS->setChecked(stored.ColorScheme);
    m_c.oSampleText->setText(stored.SampleText);
    m_c.ooptShiftDir[stored.ShiftDir]->setChecked(true);
    m_c.OOptLoadTD[stored.TXTLoadSet ? 0 : 1]->setChecked(true);
    m_c.OOptUnloadTD[stored.QUFUnLoadSet ? 0 : 1]->setChecked(true);
    m_c.ODisplayTT->setChecked(stored.ToolTips);
    m_samples->load(stored.ZoomedLetter, stored.OFMapStart);
    m_snapshot = chosen();
}

Settings OptionsDialog::chosen() const
{
    Settings values = m_stored;
    m_textBoard->collect(values);
    m_fontMap->collect(values);
    m_views->collect(values);
    values.CopyDialog = m_c.ODisplayCD->isChecked();
    values.ExitWarning = m_c.ODisplayEW->isChecked();
    values.OverwriteWarning = m_c.ODisplayOW->isChecked();
    values.ColorScheme = m_c.ODisplayCS->isChecked();
    values.SampleText = m_c.oSampleText->text();
    values.ShiftDir = m_c.ooptShiftDir[1]->isChecked() ? 1 : 0;
    values.TXTLoadSet = m_c.OOptLoadTD[0]->isChecked();
    values.QUFUnLoadSet = m_c.OOptUnloadTD[0]->isChecked();
    values.ToolTips = m_c.ODisplayTT->isChecked();
    values.ZoomedLetter = m_samples->zoomedLetter();
    values.OFMapStart = m_samples->firstCode();
    return values;
}

void OptionsDialog::SetupOptToolTips()
{
    // Read once: the dialog's own "Show ToolTips" box is a default for the next start.
    QList<QWidget *> tagged;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!tag(w).isEmpty())
            tagged.append(w);
    }
    showTagToolTips(tagged, globals().gToolTips);
}

QList<QList<QWidget *>> OptionsDialog::tabStops(int tab) const
{
    const OptionsControls &c = m_c;
    switch (tab) {
    case TextBoardTab:
        return {{c.OFFontBold}, {c.OFFontItalic}, {c.OFFontUnderline}, {c.OFFontStrikethrough}, {c.ChgTBFColor},
                group(c.OAlign), {c.OOptMaxTB}};
    case FontMapTab:
        return {{c.ChgFMFColor}, {c.ChgFMBColor}, {c.ochkInitMap}, {c.ocmdInitMap}, {c.OFMapHilite}, {c.OFMapBorders}};
    case ViewsTab:
        return {{c.OViewZoom}, {c.OViewCode}, {c.OViewKS}, {c.OVCOnL, c.OVCOnR}, {c.OZoomSizeSlider}};
    case DialogsTab:
        return {{c.ODisplayCD}, {c.ODisplayOW}, {c.ODisplayEW}, {c.ODisplayCS}};
    case ToolsTab:
        return {{c.oSampleText}, group(c.ooptShiftDir)};
    case GeneralTab:
        return {group(c.OOptLoadTD), group(c.OOptUnloadTD), {c.ODisplayTT}};
    default:
        return {};
    }
}

void OptionsDialog::SSTabOption_Click()
{
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const QList<QWidget *> &stop : tabStops(tab)) {
            for (QWidget *w : stop)
                setTabStop(w, false);
        }
    }
    QList<QWidget *> order{m_c.ChgFont, m_c.OFontSizeSlider};
    for (const QList<QWidget *> &stop : tabStops(m_c.SSTabOption->currentIndex())) {
        QWidget *taken = stop.first();
        for (QWidget *w : stop) {
            if (auto *option = qobject_cast<QRadioButton *>(w); option && option->isChecked())
                taken = w;
        }
        setTabStop(taken, true);
        order.append(taken);
    }
    order << m_c.OCharButtonScroll << m_c.cmdOK << m_c.cmdCancel;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // In a text box Esc keeps its own meaning; anywhere else it cancels.
        if (!qobject_cast<QLineEdit *>(focusWidget()))
            cmdCancel_Click();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // There is no default button: Enter presses only the button that has the focus.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.oSampleText) {
        if (event->type() == QEvent::MouseButtonRelease)
            QMetaObject::invokeMethod(m_c.oSampleText, &QLineEdit::selectAll, Qt::QueuedConnection);
        else if (event->type() == QEvent::FocusOut)
            oSampleText_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::oSampleText_LostFocus()
{
    // Blanks alone are no sample: the FontBrowser then uses its own sentence.
    if (m_c.oSampleText->text().trimmed().isEmpty())
        m_c.oSampleText->clear();
}

void OptionsDialog::cmdOK_Click()
{
    const QString app = globals().gAppName;
    const Settings values = chosen();
    if (!OptionsChangeTest::changed(m_snapshot, values)) {
        QrvlMsg(QStringList{QString(), QString(), QStringLiteral("You have not yet made any change in"),
                            app + QStringLiteral(" default settings."), QString(),
                            QStringLiteral("Press the 'Set' button after making changes.")}
                    .join(cr()),
                QStringLiteral("OK"), messageTitle(" User input Error"), false, 1, m_schemeColors);
        return;
    }
    SaveOptDefaults(values);
    QrvlMsg(QStringList{QString(), QString(), QString(),
                        QStringLiteral("Changes made in ") + app + QStringLiteral(" default settings"),
                        QStringLiteral("will take effect the next time ") + app + QStringLiteral(" starts.")}
                .join(cr()),
            QStringLiteral("OK"), messageTitle(" Default Settings Changed"), false, 1, m_schemeColors);
    accept();
}

void OptionsDialog::cmdCancel_Click()
{
    reject();
}

void OptionsDialog::SaveOptDefaults(const Settings &values)
{
    m_settings.writeMany(OptionDefaults::writes(values));
}

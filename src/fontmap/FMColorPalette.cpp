#include "fontmap/FMColorPalette.h"

#include "core/ColorGridMoves.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/PaletteCells.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/Message.h"
#include "widgets/ModalDialog.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>

namespace {

using namespace PaletteCells;

// Design of the dialog, in twips. Pages lie under the tab bar; a page's controls are placed
// relative to its top, 360 below the tab control's.
constexpr QRectF kTabBar(75, 75, 5295, 360);
constexpr QRectF kPage(75, 435, 5295, 3240);
constexpr std::array<double, 3> kContainerHeights = {2985, 2115, 2535};
constexpr ColorGridLayout kGridLayout{{255, 255}, {615, 435}, {420, 240}, {630, 450}};
constexpr QRectF kSCLabel(255, 2235, 4725, 315);
constexpr QRectF kColorButton(255, 2640, 975, 330);
constexpr QRectF kTextButton(1290, 2640, 735, 330);
constexpr QRectF kCCLabel(2085, 2640, 2460, 330);
constexpr QRectF kRCBack(4665, 2655, 315, 315);
constexpr QRectF kResetButton(30, 30, 255, 255); // in RCBack
constexpr QRectF kLabel1(75, 3750, 2625, 210);
constexpr QRectF kCurrentColorBlock(75, 3975, 210, 210);
constexpr QRectF kCurrentColorLabel(345, 3945, 2355, 270);
constexpr QRectF kButton1(2775, 3855, 1290, 330);
constexpr QRectF kButton2(4125, 3855, 1290, 330);
// Below the current colour's label, which ends on the designed client area's bottom edge, the
// window keeps the margin its tab bar keeps at the left.
constexpr QSizeF kClientArea(5445, kCurrentColorLabel.bottom() + kTabBar.left());
constexpr int kLabelLength = 20;

const QString kResetTitle = QStringLiteral("Reset Custom Color Blocks");

// The tags of the buttons, which the tooltips show.
const QString kColorButtonTag = QStringLiteral("Change Custom Color");
const QString kTextButtonTag = QStringLiteral("Change Custom Color Label");
const QString kResetButtonTag = QStringLiteral("Reset All Custom Colors");
const QString kButton1Tag = QStringLiteral("OK");
const QString kButton2Tag = QStringLiteral("Cancel");

template<typename W>
W *placed(W *widget, const char *name, const QRectF &twips)
{
    widget->setObjectName(QString::fromLatin1(name));
    Twips::place(widget, twips);
    return widget;
}

QLabel *framedLabel(QWidget *parent, const char *name, const QRectF &twips)
{
    auto *label = placed(new QLabel(parent), name, twips);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRectF &twips)
{
    auto *b = placed(new QPushButton(text, parent), name, twips);
    // Enter belongs to the grids and the label edit, never to a default button.
    b->setAutoDefault(false);
    return b;
}

} // namespace

FMColorPalette::FMColorPalette(Registry &store, CommonDialog &dialog, const FontMapColors &schemeColors,
                               QWidget *parent)
    : QDialog(parent)
    , m_settings(store)
    , m_dialog(dialog)
    , m_schemeColors(schemeColors)
{
    setObjectName(QStringLiteral("FMColorPalette"));
    setWindowTitle(QStringLiteral("Select A Color"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::toQt(kClientArea.width()), Twips::toQt(kClientArea.height()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    buildControls();
    Form_Load();
}

void FMColorPalette::buildControls()
{
    m_tab = placed(new QTabBar(this), "SSTabColor", kTabBar);
    m_tab->setExpanding(false);
    m_tab->setDrawBase(false);
    const std::array<const char *, 3> containers = {"PColorContainer", "SColorContainer", "CColorContainer"};
    for (int ref = Preset; ref <= Custom; ++ref) {
        m_tab->addTab(tabCaption(ref));
        m_pages[ref] = placed(new QFrame(this), "", kPage);
        m_pages[ref]->setFrameShape(QFrame::StyledPanel);
        m_grids[ref] = placed(new ColorGrid(kGridLayout, cellCount(ref), m_pages[ref]), containers[ref],
                              QRectF(0, 0, kPage.width(), kContainerHeights[ref]));
        m_grids[ref]->setAccessibleName(tabCaption(ref));
    }
    for (int cell = 1; cell <= kPresetCount; ++cell) {
        grid(Preset)->setColor(cell, presetColor(cell));
        grid(Preset)->setName(cell, QString::number(cell));
    }
    for (int cell = 1; cell <= kSystemCount; ++cell) {
        grid(System)->setColor(cell, systemCellColor(cell));
        grid(System)->setName(cell, systemColorName(cell));
    }

    m_scLabel = framedLabel(m_pages[System], "SCLabel", kSCLabel);
    QWidget *custom = m_pages[Custom];
    m_colorButton = button(custom, "ColorButton", QStringLiteral("Color..."), kColorButton);
    m_textButton = button(custom, "TextButton", QStringLiteral("Label"), kTextButton);
    m_textButton->setCheckable(true);
    m_ccLabel = framedLabel(custom, "CCLabel", kCCLabel);
    m_ccText = placed(new QLineEdit(custom), "CCText", kCCLabel);
    m_ccText->setMaxLength(kLabelLength);
    m_ccText->setAccessibleName(kTextButtonTag);
    m_ccText->setAlignment(Qt::AlignCenter);
    m_ccText->hide();
    auto *rcBack = placed(new QFrame(custom), "RCBack", kRCBack);
    rcBack->setFrameShape(QFrame::Panel);
    rcBack->setFrameShadow(QFrame::Sunken);
    m_resetButton = button(rcBack, "ResetButton", QStringLiteral("R"), kResetButton);

    auto *currentCaption = placed(new QLabel(QStringLiteral("Current Color:"), this), "Label1", kLabel1);
    m_currentColorBlock = placed(new QLabel(this), "CurrentColorBlock", kCurrentColorBlock);
    currentCaption->setBuddy(m_currentColorBlock);
    m_currentColorBlock->setFrameShape(QFrame::Box);
    m_currentColorBlock->setAutoFillBackground(true);
    m_currentColorLabel = placed(new QLabel(this), "CurrentColorLabel", kCurrentColorLabel);
    m_currentColorLabel->setTextFormat(Qt::PlainText);
    m_button1 = button(this, "Button1", QStringLiteral("Ok"), kButton1);
    m_button2 = button(this, "Button2", QStringLiteral("Cancel"), kButton2);

    connect(m_tab, &QTabBar::currentChanged, this, &FMColorPalette::SSTabColor_Click);
    for (int ref = Preset; ref <= Custom; ++ref) {
        connect(grid(ref), &ColorGrid::cellDoubleClicked, this, &FMColorPalette::Button1_Click);
        connect(grid(ref), &ColorGrid::enterPressed, this, &FMColorPalette::Button1_Click);
    }
    connect(grid(System), &ColorGrid::currentChanged, this,
            [this](int cell) { showWhole(m_scLabel, grid(System)->name(cell)); });
    // A label edit belongs to the cell it began on: moving the selection ends it first.
    connect(grid(Custom), &ColorGrid::currentChanged, this, [this](int cell) {
        m_textButton->setChecked(false);
        showWhole(m_ccLabel, grid(Custom)->name(cell));
    });
    connect(grid(Custom), &ColorGrid::cellClicked, this, [this] { m_textButton->setChecked(false); });
    connect(m_colorButton, &QPushButton::clicked, this, &FMColorPalette::ColorButton_Click);
    connect(m_textButton, &QPushButton::toggled, this, &FMColorPalette::TextButton_Click);
    connect(m_resetButton, &QPushButton::clicked, this, &FMColorPalette::ResetButton_Click);
    connect(m_button1, &QPushButton::clicked, this, &FMColorPalette::Button1_Click);
    connect(m_button2, &QPushButton::clicked, this, &FMColorPalette::Button2_Click);
}

void FMColorPalette::Form_Load()
{
    setCustomColors(CustomColors::read(m_settings));
}

CustomColorSet FMColorPalette::customColors() const
{
    CustomColorSet set;
    for (int cell = 1; cell <= kCustomCount; ++cell)
        set[cell - 1] = {grid(Custom)->color(cell), grid(Custom)->name(cell)};
    return set;
}

void FMColorPalette::setCustomColors(const CustomColorSet &colors)
{
    for (int cell = 1; cell <= kCustomCount; ++cell) {
        grid(Custom)->setColor(cell, colors[cell - 1].color);
        grid(Custom)->setName(cell, colors[cell - 1].label);
    }
}

void FMColorPalette::SetupToolTips()
{
    const bool on = globals().gToolTips;
    for (ColorGrid *g : m_grids)
        g->setToolTipsShown(on);
    const std::pair<QPushButton *, const QString &> tagged[] = {
        {m_colorButton, kColorButtonTag}, {m_textButton, kTextButtonTag}, {m_resetButton, kResetButtonTag},
        {m_button1, kButton1Tag},         {m_button2, kButton2Tag},
    };
    for (const auto &[widget, tag] : tagged)
        widget->setToolTip(on ? tag : QString());
}

void FMColorPalette::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The activation steps belong to a showing, which a call to show() starts. The desktop
    // activates the window again when the colour dialog or a message box closes over it, and
    // that must not take a new snapshot of the custom cells or move the selection.
    if (!event->spontaneous())
        Form_Activate();
}

void FMColorPalette::Form_Activate()
{
    const GlobalDeclarations &g = globals();
    SetupToolTips();
    m_ccColorsChanged = false;
    m_ccLabelsChanged = false;
    const ColorValue container = g.gColorScheme ? m_schemeColors.back().color : systemColor(0);
    for (ColorGrid *grid : m_grids)
        grid->setContainerColor(container);
    m_saved = customColors();
    for (ColorGrid *grid : m_grids)
        grid->setCurrent(1);

    // A reference or index from a hand-edited store is brought onto a cell of the palette.
    const int ref = clampPaletteRef(g.gPaletteRef);
    ColorGrid *handedIn = grid(ref);
    handedIn->setCurrent(ColorGridMoves::cellForIndex(g.gColorIndex, handedIn->count()));
    const int cell = handedIn->current();
    setBackColor(m_currentColorBlock, colorValueFromText(g.gColorValue).value_or(0));
    const QString name = handedIn->name(cell);
    showWhole(m_currentColorLabel, tabCaption(ref) + (ref == Preset ? QStringLiteral(", #") : QStringLiteral(", "))
                                       + name);

    if (m_tab->currentIndex() == ref)
        SSTabColor_Click();
    else
        m_tab->setCurrentIndex(ref);
}

void FMColorPalette::SSTabColor_Click()
{
    const int ref = m_tab->currentIndex();
    for (int page = Preset; page <= Custom; ++page)
        m_pages[page]->setVisible(page == ref);
    ColorGrid *container = grid(ref);
    container->setFocus(Qt::TabFocusReason);
    QWidget *previous = container;
    if (ref == Custom) {
        for (QWidget *next : {static_cast<QWidget *>(m_colorButton), static_cast<QWidget *>(m_textButton),
                              static_cast<QWidget *>(m_resetButton)}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, m_button1);
    setTabOrder(m_button1, m_button2);

    if (ref == System)
        showWhole(m_scLabel, grid(System)->name(grid(System)->current()));
    if (ref == Custom) {
        m_textButton->setChecked(false);
        showWhole(m_ccLabel, grid(Custom)->name(grid(Custom)->current()));
    }
}

void FMColorPalette::Button1_Click()
{
    // A label still being edited is kept, as Enter would keep it.
    endLabelEdit(true);
    GlobalDeclarations &g = globals();
    const int ref = m_tab->currentIndex();
    const ColorGrid *chosen = grid(ref);
    const int cell = chosen->current();
    g.gColorIndex = cell - 1;
    g.gColorName = (ref == Preset ? QStringLiteral("#") : QString()) + chosen->name(cell);
    g.gColorValue = colorValueText(chosen->color(cell));
    g.gPaletteRef = ref;
    done(Accepted);
}

void FMColorPalette::Button2_Click()
{
    endLabelEdit(false);
    if (m_ccColorsChanged || m_ccLabelsChanged)
        setCustomColors(m_saved);
    done(Rejected);
}

void FMColorPalette::closeEvent(QCloseEvent *event)
{
    // The close box only hides the palette, keeping the custom cells as they are now, and
    // saves them; neither the snapshot nor the exchange variables are touched.
    event->ignore();
    if (!isVisible())
        return;
    endLabelEdit(true);
    done(Rejected);
    SaveCustomColors();
}

void FMColorPalette::unload()
{
    endLabelEdit(true);
    SaveCustomColors();
}

void FMColorPalette::keyPressEvent(QKeyEvent *event)
{
    // Keys the controls leave alone reach the window: Enter and Esc from the label edit,
    // Esc from anywhere else.
    const bool inEdit = focusWidget() == m_ccText && m_ccText->isVisible();
    switch (event->key()) {
    case Qt::Key_Escape:
        if (inEdit)
            endLabelEdit(false);
        else
            Button2_Click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (inEdit) {
            endLabelEdit(true);
        } else if (auto *b = qobject_cast<QPushButton *>(focusWidget()); b && !b->isCheckable()) {
            b->click();
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FMColorPalette::ColorButton_Click()
{
    ColorGrid *custom = grid(Custom);
    const int cell = custom->current();
    m_cmnDlg.CancelError = true;
    m_cmnDlg.Flags = CdlFlags::RgbInit | CdlFlags::FullOpen;
    m_cmnDlg.Color = custom->color(cell);
    if (m_dialog.ShowColor(m_cmnDlg) == DialogResult::Confirmed && m_cmnDlg.Color != custom->color(cell)) {
        custom->setColor(cell, m_cmnDlg.Color);
        m_ccColorsChanged = true;
    }
    custom->setFocus(Qt::OtherFocusReason);
}

void FMColorPalette::endLabelEdit(bool commit)
{
    if (!m_textButton->isChecked())
        return;
    m_commitLabel = commit;
    m_textButton->setChecked(false);
}

void FMColorPalette::TextButton_Click(bool pressed)
{
    ColorGrid *custom = grid(Custom);
    if (pressed) {
        m_commitLabel = true;
        m_editCell = custom->current();
        m_ccText->setText(custom->name(m_editCell));
        m_ccText->show();
        m_ccText->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString text = m_ccText->text();
    if (text != custom->name(m_editCell))
        m_ccLabelsChanged = true;
    if (m_commitLabel && m_ccLabelsChanged) {
        custom->setName(m_editCell, text);
        showWhole(m_ccLabel, custom->name(custom->current()));
    }
    m_ccText->hide();
    custom->setFocus(Qt::OtherFocusReason);
}

void FMColorPalette::ResetButton_Click()
{
    const GlobalDeclarations &g = globals();
    const QString cr(QLatin1Char('\r'));
    if (!CustomColorsChanged()) {
        QrvlMsg(cr + cr + cr + QStringLiteral("None of the Custom colors or") + cr
                    + QStringLiteral("their names has been changed.") + cr + cr
                    + QStringLiteral("There is nothing to Reset."),
                QStringLiteral("OK"), kResetTitle, false, 1, m_schemeColors);
        return;
    }
    QrvlMsg(cr + QStringLiteral("This will reset all custom colors and") + cr
                + QStringLiteral("labels to their original default values.") + cr + cr
                + QStringLiteral("Continue with Reset?") + cr + cr + QStringLiteral("• Press Yes to Reset Color Blocks.")
                + cr + QStringLiteral("• Press No to cancel Reset."),
            QStringLiteral("YN"), kResetTitle, true, 1, m_schemeColors);
    if (g.gMsgResult)
        SetDefaultCustomColors();
    SSTabColor_Click();
}

void FMColorPalette::SetDefaultCustomColors()
{
    setCustomColors(CustomColors::defaults());
    m_ccColorsChanged = true;
    m_ccLabelsChanged = true;
}

bool FMColorPalette::CustomColorsChanged() const
{
    return CustomColors::changedFromDefaults(customColors());
}

void FMColorPalette::SaveCustomColors()
{
    CustomColors::save(m_settings, customColors());
}

void FMColorPalette::showWhole(QLabel *label, const QString &text) const
{
    // Labels from the store may be longer than the edit box allows; they are shown whole, in
    // a smaller type when they must be, and cut only when even that is too wide.
    QFont f = font();
    const int room = label->contentsRect().width() - 4;
    while (QFontMetrics(f).horizontalAdvance(text) > room && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
    label->setText(QFontMetrics(f).elidedText(text, Qt::ElideRight, room));
}

std::optional<FontMapColors::Choice> pickPaletteColor(FMColorPalette &palette, const FontMapColors::Choice &current,
                                                      const QString &caption, bool valueCounts)
{
    GlobalDeclarations &g = globals();
    g.gColorIndex = current.index;
    g.gPaletteRef = current.paletteRef;
    g.gColorValue = colorValueText(current.color);
    palette.setWindowTitle(caption);
    execModal(palette);

    const ColorValue value = colorValueFromText(g.gColorValue).value_or(current.color);
    const bool chosen = g.gColorIndex != current.index || g.gPaletteRef != current.paletteRef
                        || (valueCounts && value != current.color);
    if (!chosen)
        return std::nullopt;
    return FontMapColors::Choice{value, g.gPaletteRef, g.gColorIndex, g.gColorName};
}

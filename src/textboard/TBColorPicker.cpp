#include "textboard/TBColorPicker.h"

#include "core/ColorGridMoves.h"
#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "fontmap/rules/FontMapColors.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/ModalDialog.h"
#include "widgets/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kColors = 16;

// Design of the dialog, in twips.
constexpr QSizeF kClientArea(5100, 2355);
constexpr QRectF kColorContainer(15, 15, 5070, 1530);
constexpr ColorGridLayout kGridLayout{{270, 255}, {585, 585}, {390, 390}, {600, 600}};
constexpr QRectF kFrame1(15, 1590, 2340, 735);
constexpr QRectF kLabel2(105, 105, 2130, 225);          // in Frame1
constexpr QRectF kCurrentColorBlock(105, 405, 195, 195); // in Frame1
constexpr QRectF kCurrentColorLabel(390, 390, 1845, 225); // in Frame1
constexpr QRectF kFrame2(2430, 1590, 2640, 330);
constexpr QRectF kButton1(2430, 1995, 1290, 330);
constexpr QRectF kButton2(3780, 1995, 1290, 330);

// The cells carry the colours' names, but colour 8 is "Gray" here where the rest of the
// program says "Grey".
QString cellName(int index)
{
    return index == 8 ? QStringLiteral("Gray") : QBColorName(index);
}

template<typename W>
W *placed(W *widget, const char *name, const QRectF &twips)
{
    widget->setObjectName(QString::fromLatin1(name));
    Twips::place(widget, twips);
    return widget;
}

} // namespace

TBColorPicker::TBColorPicker(const FontMapColors &schemeColors, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TBColorPicker"));
    setWindowTitle(QStringLiteral("Pick A Color for TextBoard Font"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::toQt(kClientArea.width()), Twips::toQt(kClientArea.height()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_container = placed(new ColorGrid(kGridLayout, kColors, this), "ColorContainer", kColorContainer);
    m_container->setAccessibleName(windowTitle());
    auto *frame1 = placed(new QFrame(this), "Frame1", kFrame1);
    frame1->setFrameShape(QFrame::StyledPanel);
    auto *currentCaption = placed(new QLabel(QStringLiteral("Current Font Color:"), frame1), "Label2", kLabel2);
    m_currentColorBlock = placed(new QLabel(frame1), "CurrentColorBlock", kCurrentColorBlock);
    currentCaption->setBuddy(m_currentColorBlock);
    m_currentColorBlock->setFrameShape(QFrame::Box);
    m_currentColorBlock->setAutoFillBackground(true);
    m_currentColorLabel = placed(new QLabel(frame1), "CurrentColorLabel", kCurrentColorLabel);
    m_colorLabel = placed(new QLabel(this), "ColorLabel", kFrame2);
    m_colorLabel->setFrameShape(QFrame::StyledPanel);
    m_colorLabel->setAlignment(Qt::AlignCenter);
    m_button1 = placed(new QPushButton(QStringLiteral("Ok"), this), "Button1", kButton1);
    m_button2 = placed(new QPushButton(QStringLiteral("Cancel"), this), "Button2", kButton2);
    for (QPushButton *b : {m_button1, m_button2})
        b->setAutoDefault(false);

    connect(m_container, &ColorGrid::currentChanged, this, &TBColorPicker::showSelection);
    connect(m_container, &ColorGrid::cellDoubleClicked, this, &TBColorPicker::Button1_Click);
    connect(m_container, &ColorGrid::enterPressed, this, &TBColorPicker::Button1_Click);
    connect(m_button1, &QPushButton::clicked, this, &TBColorPicker::Button1_Click);
    connect(m_button2, &QPushButton::clicked, this, &TBColorPicker::Button2_Click);

    Form_Load(schemeColors);
}

void TBColorPicker::Form_Load(const FontMapColors &schemeColors)
{
    const GlobalDeclarations &g = globals();
    for (int i = 0; i < kColors; ++i) {
        m_container->setColor(i + 1, QBColor(i));
        m_container->setName(i + 1, cellName(i));
    }
    SetupToolTips();
    setBackColor(m_currentColorBlock, colorValueFromText(g.gColorValue).value_or(0));
    // A colour index from a hand-edited store is brought onto one of the 16 cells.
    m_container->setCurrent(ColorGridMoves::cellForIndex(g.gColorIndex, kColors));
    m_currentColorLabel->setText(m_container->name(m_container->current()));
    showSelection(m_container->current());
    if (g.gColorScheme)
        m_container->setContainerColor(schemeColors.back().color);
    setTabOrder(m_container, m_button1);
    setTabOrder(m_button1, m_button2);
    m_container->setFocus(Qt::OtherFocusReason);
}

void TBColorPicker::SetupToolTips()
{
    const bool on = globals().gToolTips;
    m_container->setToolTipsShown(on);
    m_button1->setToolTip(on ? QStringLiteral("OK") : QString());
    m_button2->setToolTip(on ? QStringLiteral("Cancel") : QString());
}

void TBColorPicker::showSelection(int cell)
{
    m_colorLabel->setText(m_container->name(cell));
}

void TBColorPicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Button2_Click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Only the container's Enter means OK; a focused button takes it as a click.
        if (auto *b = qobject_cast<QPushButton *>(focusWidget()))
            b->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TBColorPicker::Button1_Click()
{
    GlobalDeclarations &g = globals();
    g.gColorIndex = m_container->current() - 1;
    g.gColorName = m_container->name(m_container->current());
    accept();
}

void TBColorPicker::Button2_Click()
{
    reject();
}

std::optional<int> pickTextColor(int current, const FontMapColors &schemeColors, QWidget *owner)
{
    GlobalDeclarations &g = globals();
    g.gColorIndex = current;
    g.gColorValue = colorValueText(QBColor(current));
    {
        TBColorPicker picker(schemeColors, owner);
        execModal(picker);
    }
    if (g.gColorIndex == current || g.gColorIndex < 0 || g.gColorIndex >= kColors)
        return std::nullopt;
    return g.gColorIndex;
}

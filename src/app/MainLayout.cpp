#include "app/MainLayout.h"

#include "app/QuorvilControls.h"
#include "app/WindowFrame.h"
#include "app/rules/LayoutRules.h"
#include "app/rules/MainState.h"
#include "fontmap/FontMapGrid.h"
#include "platform/DisplayService.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

namespace {

// The enabled state a control was given, whatever its toolbar's.
bool givenEnabled(const QWidget *w)
{
    return w->parentWidget() ? w->isEnabledTo(w->parentWidget()) : w->isEnabled();
}

void keepBandsInRow(CoolBar *bar, int lastBand)
{
    for (int band = 2; band <= lastBand; ++band)
        bar->setBandNewRow(band, false);
}

} // namespace

MainLayout::MainLayout(WindowFrame &window, QuorvilControls &controls, MainState &state, ActionCollection &commands,
                       const DisplayService &display, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_c(controls)
    , m_s(state)
    , m_commands(commands)
    , m_display(display)
{
    m_c.SplitBar->installEventFilter(this);
    connect(m_c.CoolBarCM, &CoolBar::heightChanged, this, &MainLayout::CoolBarCM_HeightChanged);
    connect(m_c.CoolBarTB, &CoolBar::heightChanged, this, &MainLayout::CoolBarTB_HeightChanged);
    connect(m_c.clbFontMap, &CoolBar::heightChanged, this, &MainLayout::clbFontMap_HeightChanged);
}

void MainLayout::followWindowSize()
{
    const double tppX = m_s.TwipsPerPixelX;
    if (m_s.fontMap.FMResizing()) {
        const LayoutRules::Widths w =
            LayoutRules::relaidWidths(m_window.formWidth(), m_s.VCDesignLeft, Twips::width(m_c.ViewsContainer),
                                      Twips::width(m_c.FMapContainer), Twips::width(m_c.StatBar), tppX);
        Twips::setWidth(m_c.CoolBarCM, w.coolBarCM);
        Twips::setWidth(m_c.SplitBar, w.splitBar);
        Twips::setWidth(m_c.TextBoard, w.textBoard);
        Twips::setWidth(m_c.CoolBarTB, w.textBoard);
        Twips::setLeft(m_c.StatBar, w.statBarLeft);
        // The find bar follows whether or not it is open.
        Twips::setLeft(m_c.FindFrame, Twips::left(m_c.TextBoard));
        Twips::setWidth(m_c.FindFrame, w.textBoard - 2 * tppX);
        placeFindBar();
    }
    if (m_s.FirstActivate)
        Twips::setTop(m_c.SplitBar, Twips::top(m_c.FMapContainer) - 2 * m_s.textBoard.TwipsPerPixelY());
    placeUnderMap();
}

void MainLayout::placeUnderMap()
{
    Twips::setTop(m_c.LLVContainer, Twips::top(m_c.FMapContainer) + Twips::height(m_c.FMapContainer));
    Twips::setTop(m_c.StatBar, Twips::top(m_c.LLVContainer));
}

void MainLayout::placeFindBar()
{
    const LayoutRules::FindBarPlaces p = LayoutRules::findBarPlaces(Twips::width(m_c.FindFrame), m_s.TwipsPerPixelX);
    Twips::setWidth(m_c.FindString, p.findStringWidth);
    Twips::setLeft(m_c.FindNextButton, p.findNextLeft);
    Twips::setLeft(m_c.ClearFindButton, p.clearFindLeft);
    Twips::setLeft(m_c.FindOpt[0], p.wholeWordLeft);
    Twips::setLeft(m_c.FindOpt[1], p.matchCaseLeft);
    Twips::setLeft(m_c.CloseFindButton, p.closeFindLeft);
}

bool MainLayout::findBarOpen() const
{
    return !m_c.FindFrame->isHidden();
}

void MainLayout::focusTextBoard()
{
    m_c.TextBoard->setFocus(Qt::OtherFocusReason);
}

void MainLayout::SetVCSide(const QString &side)
{
    const double px = m_s.TwipsPerPixelX;
    if (side == QLatin1String("L")) {
        m_commands.setChecked(QStringLiteral("VCOnL"), true);
        Twips::setLeft(m_c.ViewsContainer, 7 * px);
        Twips::setLeft(m_c.CoolBarTB, 143 * px);
        Twips::setLeft(m_c.TextBoard, 143 * px);
    } else if (side == QLatin1String("R")) {
        m_commands.setChecked(QStringLiteral("VCOnR"), true);
        Twips::setLeft(m_c.CoolBarTB, 7 * px);
        Twips::setLeft(m_c.TextBoard, 7 * px);
        Twips::setLeft(m_c.ViewsContainer, Twips::left(m_c.TextBoard) + Twips::width(m_c.TextBoard) + 2 * px);
    }
    if (findBarOpen())
        Twips::setLeft(m_c.FindFrame, Twips::left(m_c.TextBoard) + 2 * px);
}

void MainLayout::ResetLayout(int index)
{
    const double px = m_s.textBoard.TwipsPerPixelY();
    const double viewsBottom = Twips::top(m_c.ViewsContainer) + Twips::height(m_c.ViewsContainer);
    double boardHeight = Twips::height(m_c.ViewsContainer) - 24 * px;
    // An open find bar keeps its place under the TextBoard, above the FontMap's CoolBar.
    if (findBarOpen())
        boardHeight -= Twips::height(m_c.FindFrame) + 2 * px;
    Twips::setHeight(m_c.TextBoard, boardHeight);
    if (findBarOpen())
        Twips::setTop(m_c.FindFrame, Twips::top(m_c.TextBoard) + boardHeight + 2 * px);
    Twips::setTop(m_c.FMapContainer, viewsBottom + 2 * px);
    Twips::setTop(m_c.SplitBar, Twips::top(m_c.FMapContainer) - 2 * px);
    // A maximised window keeps its size. When the size does not change no resize handler
    // runs, so its steps are taken here: the box and the status bar go under the moved
    // FontMap, and a rebuilt map's widths are laid.
    const bool resized = !m_window.maximized()
                         && m_window.setFormSize(LayoutRules::standardWindowSize(index, m_s.TwipsPerPixelX, px));
    if (!resized)
        followWindowSize();
    UpdateSizeCtrls();
    if (!m_s.fontMap.FMResizing())
        focusTextBoard();
}

void MainLayout::UpdateSizeCtrls()
{
    QWidget *sizeBox = m_c.pbxSetFMapSize;
    const QString larger = QStringLiteral("FMLarger");
    const QString smaller = QStringLiteral("FMSmaller");
    if (!m_c.SplitBar->isHidden()) {
        const bool lowered =
            Twips::top(m_c.SplitBar) > LayoutRules::kSplitBarHighestPx * m_s.textBoard.TwipsPerPixelY();
        sizeBox->setEnabled(!lowered);
        m_commands.setEnabled(larger, !lowered);
        m_commands.setEnabled(smaller, !lowered);
        m_commands.setEnabled(QStringLiteral("FMRealign"), lowered);
    }
    const bool sizing = givenEnabled(sizeBox);
    if (m_s.fontMap.SizeIndex() == m_s.fontMap.MaxSizeIndex())
        m_commands.setEnabled(larger, false);
    else if (sizing)
        m_commands.setEnabled(larger, true);
    if (m_s.fontMap.SizeIndex() == 1)
        m_commands.setEnabled(smaller, false);
    else if (sizing)
        m_commands.setEnabled(smaller, true);
}

LayoutRules::SplitBarLimits MainLayout::splitBarLimits() const
{
    return LayoutRules::splitBarLimits(m_display.workArea().height(), Twips::height(m_c.FMapContainer),
                                       m_s.textBoard.TwipsPerPixelY());
}

void MainLayout::moveSplit(double newTop, double delta)
{
    Twips::setTop(m_c.SplitBar, newTop);
    Twips::setHeight(m_c.TextBoard, Twips::height(m_c.TextBoard) + delta);
    if (findBarOpen())
        Twips::setTop(m_c.FindFrame,
                      Twips::top(m_c.TextBoard) + Twips::height(m_c.TextBoard) + 2 * m_s.textBoard.TwipsPerPixelY());
    for (QWidget *w : {static_cast<QWidget *>(m_c.FMapContainer), m_c.LLVContainer, static_cast<QWidget *>(m_c.StatBar)})
        Twips::setTop(w, Twips::top(w) + delta);
    if (!m_window.maximized())
        m_window.setFormSize(QSizeF(m_window.formWidth(), m_window.formHeight() + delta));
}

void MainLayout::SplitBar_MouseMove(Qt::MouseButtons buttons, double y)
{
    if (buttons != Qt::LeftButton)
        return;
    const double top = Twips::top(m_c.SplitBar);
    if (const std::optional<int> delta =
            LayoutRules::splitBarDragDelta(top, y, splitBarLimits(), m_s.textBoard.TwipsPerPixelY()))
        moveSplit(top + *delta, *delta);
}

void MainLayout::SplitBar_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    UpdateSizeCtrls();
    focusTextBoard();
}

void MainLayout::SplitBar_DblClick()
{
    const LayoutRules::SplitBarJump jump = LayoutRules::splitBarDoubleClick(Twips::top(m_c.SplitBar), splitBarLimits());
    if (jump.kind == LayoutRules::SplitBarJump::Move)
        moveSplit(jump.newTop, jump.delta);
    else if (jump.kind == LayoutRules::SplitBarJump::Reset)
        ResetLayout(m_s.fontMap.SizeIndex() - 1);
    focusTextBoard();
}

void MainLayout::CoolBarCM_HeightChanged()
{
    keepBandsInRow(m_c.CoolBarCM, 4);
}

void MainLayout::CoolBarTB_HeightChanged()
{
    keepBandsInRow(m_c.CoolBarTB, 4);
}

void MainLayout::clbFontMap_HeightChanged()
{
    keepBandsInRow(m_c.clbFontMap, 3);
}

bool MainLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.SplitBar) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            SplitBar_MouseMove(mouse->buttons(), mouse->position().y() * Twips::kPerQtUnit);
            return true;
        }
        case QEvent::MouseButtonRelease:
            SplitBar_MouseUp(static_cast<QMouseEvent *>(event)->button());
            return true;
        case QEvent::MouseButtonDblClick:
            SplitBar_DblClick();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

#include "textboard/FindCommands.h"

#include "app/QuorvilControls.h"
#include "app/ToolBar.h"
#include "app/Twips.h"
#include "app/rules/MainState.h"
#include "textboard/TextBoardEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <initializer_list>

namespace {

void chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

FindCommands::FindCommands(QuorvilControls &controls, MainState &state, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
{
    connect(m_c.CloseFindButton, &QPushButton::clicked, this, &FindCommands::CloseFindButton_Click);
}

void FindCommands::ShowFindFrame(int mode)
{
    // The TextBoard gives its height to the frame once, and takes it back once.
    const bool open = !m_c.FindFrame->isHidden();
    if (mode == 1 && !open)
        openFrame();
    else if (mode != 1 && open)
        closeFrame();
}

void FindCommands::CloseFindButton_Click()
{
    m_c.TextEditTB->setValue(QStringLiteral("Find"), 0);
    ShowFindFrame(0);
    m_c.TextBoard->setFocus(Qt::OtherFocusReason);
}

double FindCommands::frameAllowance() const
{
    return Twips::height(m_c.FindFrame) + 2 * m_s.TwipsPerPixelY;
}

void FindCommands::setFindTabStops(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(m_c.FindString), static_cast<QWidget *>(m_c.FindOpt[0]),
                       static_cast<QWidget *>(m_c.FindOpt[1]), static_cast<QWidget *>(m_c.FindNextButton),
                       static_cast<QWidget *>(m_c.CloseFindButton)})
        w->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void FindCommands::openFrame()
{
    const double height = Twips::height(m_c.TextBoard) - frameAllowance();
    Twips::setHeight(m_c.TextBoard, height);
    Twips::setTop(m_c.FindFrame, Twips::top(m_c.TextBoard) + height + 2 * m_s.TwipsPerPixelY);
    m_c.FindFrame->show();
    setFindTabStops(true);
    chainTabOrder({m_c.TextBoard, m_c.ZoomSizeSlider, m_c.FontNameCombo, m_c.FontSizeSlider, m_c.FindString,
                   m_c.FindOpt[0], m_c.FindOpt[1], m_c.FindNextButton, m_c.CloseFindButton, m_c.sldSetFMapSize});

    m_c.FindString->setText(m_c.TextBoard->SelText());
    m_c.FindString->selectAll();
    m_c.FindString->setFocus(Qt::OtherFocusReason);
}

void FindCommands::closeFrame()
{
    Twips::setHeight(m_c.TextBoard, Twips::height(m_c.TextBoard) + frameAllowance());
    m_c.FindFrame->hide();
    setFindTabStops(false);
    chainTabOrder({m_c.TextBoard, m_c.ZoomSizeSlider, m_c.FontNameCombo, m_c.FontSizeSlider, m_c.sldSetFMapSize});
}

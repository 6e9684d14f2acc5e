#include "fontmap/FontMapViews.h"

#include "fontmap/FontMapControls.h"
#include "fontmap/rules/EditedNumber.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"
#include "widgets/SizeNumberEdit.h"
#include "widgets/StateBinding.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>

#include <algorithm>
#include <array>

namespace {

// Each view and its Views menu item.
constexpr std::array<ViewSettings::View, 3> kViews = {ViewSettings::Zoom, ViewSettings::Code, ViewSettings::KeyStroke};
constexpr std::array<const char *, 3> kViewItems = {"ViewZoom", "ViewCode", "ViewKS"};

QString onOff(bool on)
{
    return on ? QStringLiteral("On") : QStringLiteral("Off");
}

} // namespace

FontMapViews::FontMapViews(FontMapControls &controls, ViewSettings &views, ActionCollection &commands,
                           MainMenu &menu, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_views(views)
    , m_menu(menu)
{
    for (const ViewSettings::View view : kViews) {
        showAndFollow(&m_views, &ViewSettings::shownChanged, this,
                      [this, view](ViewSettings::View which, bool on) {
                          if (which == view)
                              showView(view, on);
                      },
                      view, m_views.isShown(view));
    }
    showAndFollow(&m_views, &ViewSettings::zoomSizeChanged, this, &FontMapViews::showZoomSize, m_views.zoomSize());
    // "All Views" is checked exactly while the three views are on.
    QAction *all = commands.action(QStringLiteral("ViewAll"));
    showAndFollow(&m_views, &ViewSettings::shownChanged, all, [this, all] { all->setChecked(allShown()); });
    commands.onTriggered(QStringLiteral("ViewAll"), this, &FontMapViews::ViewAll_Click);
    connect(m_c.ZoomSizeSlider, &QSlider::sliderMoved, this, &FontMapViews::ZoomSizeSlider_Scroll);
    // The edit belongs to its number label.
    new SizeNumberEdit(m_c.ZoomSizeNumber, m_c.ZoomSizeEdit, m_c.ZoomSizeSlider,
                       [this] { Q_EMIT textBoardFocusRequested(); }, [](const QString &text) {
                           return numberFromEditText(text, ViewSettings::kMinZoomSize, ViewSettings::kMaxZoomSize);
                       });
    // Installed after the edit's own watch, so that this one sees the number's clicks first.
    for (QWidget *w : {static_cast<QWidget *>(m_c.ViewsContainer), static_cast<QWidget *>(m_c.ZoomSizeLabel),
                       static_cast<QWidget *>(m_c.ZoomSizeNumber), static_cast<QWidget *>(m_c.ZoomSizeSlider),
                       static_cast<QWidget *>(m_c.TextZoom), static_cast<QWidget *>(m_c.CVACover),
                       static_cast<QWidget *>(m_c.KVACover)})
        w->installEventFilter(this);
}

void FontMapViews::SetZoomView(bool on)
{
    setView(ViewSettings::Zoom, on);
}

void FontMapViews::SetCodeView(bool on)
{
    setView(ViewSettings::Code, on);
}

void FontMapViews::SetKeyStrokeView(bool on)
{
    setView(ViewSettings::KeyStroke, on);
}

void FontMapViews::setView(ViewSettings::View view, bool on)
{
    // A change of the state shows itself (shownChanged); an unchanged one is shown again.
    if (m_views.isShown(view) == on)
        showView(view, on);
    else
        m_views.setShown(view, on);
}

void FontMapViews::showView(ViewSettings::View view, bool on)
{
    switch (view) {
    case ViewSettings::Zoom:
        m_c.ZoomSizeSlider->setEnabled(on);
        if (on) {
            m_c.ZoomSizeNumber->setText(QString::number(m_c.ZoomSizeSlider->value()));
        } else {
            m_c.TextZoom->clear();
            m_c.ZoomSizeNumber->setText(onOff(false));
        }
        break;
    case ViewSettings::Code:
        for (QLabel *code : {m_c.AscCode, m_c.HexCode, m_c.OctCode, m_c.BinCode})
            code->setText(onOff(on));
        break;
    case ViewSettings::KeyStroke:
        m_c.KS->setText(onOff(on));
        break;
    }
}

bool FontMapViews::allShown() const
{
    return std::all_of(kViews.cbegin(), kViews.cend(), [this](ViewSettings::View v) { return m_views.isShown(v); });
}

void FontMapViews::ViewAll_Click(bool checked)
{
    SetZoomView(checked);
    SetCodeView(checked);
    SetKeyStrokeView(checked);
}

void FontMapViews::setZoomLetterSize(int points)
{
    QFont letter = m_c.TextZoom->font();
    letter.setPointSize(points);
    m_c.TextZoom->setFont(letter);
}

void FontMapViews::showZoomSize(int points)
{
    setZoomLetterSize(points);
    if (m_views.isShown(ViewSettings::Zoom))
        m_c.ZoomSizeNumber->setText(QString::number(points));
}

void FontMapViews::ZoomSizeSlider_Scroll(int value)
{
    setZoomLetterSize(value);
    m_c.ZoomSizeNumber->setText(QString::number(value));
    Q_EMIT textBoardFocusRequested();
}

void FontMapViews::popUpViewMenu(ViewSettings::View view, const QPoint &globalPos)
{
    QStringList others{QStringLiteral("ViewSep"), QStringLiteral("ViewAll")};
    for (int v = 0; v < int(kViewItems.size()); ++v) {
        if (v != view)
            others.append(QString::fromLatin1(kViewItems[v]));
    }
    for (const QString &item : std::as_const(others))
        m_menu.setVisible(item, false);
    m_menu.menu(QStringLiteral("ItemView"))->exec(globalPos);
    for (const QString &item : std::as_const(others))
        m_menu.setVisible(item, true);
}

bool FontMapViews::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    // The number opens its edit only while the Zoom view is on.
    if (watched == m_c.ZoomSizeNumber && event->type() == QEvent::MouseButtonRelease
        && !m_views.isShown(ViewSettings::Zoom))
        return true;
    if (event->type() != QEvent::MouseButtonPress || mouse->button() != Qt::RightButton)
        return QObject::eventFilter(watched, event);
    ViewSettings::View view = ViewSettings::Zoom;
    if (watched == m_c.CVACover)
        view = ViewSettings::Code;
    else if (watched == m_c.KVACover)
        view = ViewSettings::KeyStroke;
    popUpViewMenu(view, mouse->globalPosition().toPoint());
    return true;
}

#include "widgets/ToolBar.h"

#include "widgets/Pictures.h"

#include <QAction>
#include <QMenu>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWidgetAction>

namespace {

// The key of the button a widget of the toolbar stands for.
constexpr char kKeyProperty[] = "toolBarKey";

} // namespace

ToolBar::ToolBar(const QString &name, QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(name);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    // Classic toolbar buttons, 23 pixels wide with no gaps, come from the program's style.
    setContentsMargins(0, 0, 0, 0);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Qt's button for the buttons that a narrow band hides has no name of its own.
    if (auto *more = findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
        more->setAccessibleName(QStringLiteral("More Buttons"));
}

QAction *ToolBar::addButton(const QString &key, const QString &tag, Style style)
{
    auto *action = new QAction(this);
    action->setObjectName(key);
    action->setCheckable(style == Style::Check);
    return insertButton(key, action, tag, style);
}

QAction *ToolBar::addCommand(const QString &key, QAction *command, const QString &tag, Style style)
{
    return insertButton(key, command, tag, style);
}

QAction *ToolBar::insertButton(const QString &key, QAction *action, const QString &tag, Style style)
{
    Q_ASSERT_X(!m_buttons.contains(key), "ToolBar::addButton", qPrintable(key));
    addAction(action);
    Button button{action, tag, {}, nullptr, {}};
    connect(action, &QAction::triggered, this, [this, key] { Q_EMIT buttonClick(key); });
    auto *tool = qobject_cast<QToolButton *>(widgetForAction(action));
    if (tool) {
        tool->setObjectName(key);
        tool->setProperty(kKeyProperty, key);
        tool->installEventFilter(this);
    }
    if (style == Style::DropDown && tool) {
        // The list belongs to the button alone: a menu on the action would also hang under
        // the command's menu item.
        auto *menu = new QMenu(tool);
        menu->setObjectName(key + QStringLiteral("Menu"));
        tool->setMenu(menu);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
        connect(menu, &QMenu::aboutToShow, this, [this, key] { Q_EMIT buttonDropDown(key); });
        connect(menu, &QMenu::triggered, this, [this, key, menu](QAction *entry) {
            Q_EMIT buttonMenuClick(key, int(menu->actions().indexOf(entry)) + 1);
        });
        button.menu = menu;
    }
    m_keys.append(key);
    m_buttons.insert(key, button);
    return action;
}

QAction *ToolBar::addWidgetButton(const QString &key, const QString &tag, QWidget *widget)
{
    QAction *action = addWidget(widget);
    action->setObjectName(key);
    widget->setProperty(kKeyProperty, key);
    widget->installEventFilter(this);
    m_keys.append(key);
    m_buttons.insert(key, Button{action, tag, {}, nullptr, {}});
    return action;
}

QAction *ToolBar::button(const QString &key) const
{
    return m_buttons.value(key).action;
}

QStringList ToolBar::keys() const
{
    return m_keys;
}

int ToolBar::value(const QString &key) const
{
    QAction *b = button(key);
    return b && b->isChecked() ? 1 : 0;
}

void ToolBar::setValue(const QString &key, int value)
{
    if (QAction *b = button(key))
        b->setChecked(value != 0);
}

bool ToolBar::isButtonEnabled(const QString &key) const
{
    QAction *b = button(key);
    return b && b->isEnabled();
}

void ToolBar::setButtonEnabled(const QString &key, bool enabled)
{
    if (QAction *b = button(key))
        b->setEnabled(enabled);
}

QString ToolBar::tag(const QString &key) const
{
    return m_buttons.value(key).tag;
}

QString ToolBar::buttonToolTip(const QString &key) const
{
    return m_buttons.value(key).toolTip;
}

void ToolBar::setButtonToolTip(const QString &key, const QString &text)
{
    const auto it = m_buttons.find(key);
    if (it != m_buttons.end())
        it->toolTip = text;
}

bool ToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QToolBar::eventFilter(watched, event);
    // The button shows its own text, never its command's caption (what an action shows when
    // its tooltip is empty).
    const QString key = watched->property(kKeyProperty).toString();
    const QString text = m_buttons.value(key).toolTip;
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, static_cast<QWidget *>(watched));
    return true;
}

QMenu *ToolBar::buttonMenu(const QString &key) const
{
    return m_buttons.value(key).menu;
}

void ToolBar::setButtonImage(const QString &key, const QString &imageKey)
{
    const auto it = m_buttons.find(key);
    if (it == m_buttons.end())
        return;
    it->image = imageKey;
    it->action->setIcon(Pictures::icon(m_imageList, imageKey));
}

QString ToolBar::buttonImage(const QString &key) const
{
    return m_buttons.value(key).image;
}

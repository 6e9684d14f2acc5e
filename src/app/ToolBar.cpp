#include "app/ToolBar.h"

#include "app/Pictures.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

namespace {

constexpr char kTag[] = "Tag";
constexpr char kImage[] = "Image";

} // namespace

ToolBar::ToolBar(const QString &name, QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(name);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setContentsMargins(0, 0, 0, 0);
    // Classic toolbar buttons: 23 pixels wide, no gaps, so the designed band widths hold them.
    setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; border: none; }"
                                 "QToolButton { padding: 2px; margin: 0px; }"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction *ToolBar::addButton(const QString &key, const QString &tag, Style style)
{
    auto *action = new QAction(this);
    action->setObjectName(key);
    action->setProperty(kTag, tag);
    action->setCheckable(style == Style::Check);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, key] { Q_EMIT buttonClick(key); });

    if (style == Style::DropDown) {
        auto *menu = new QMenu(this);
        menu->setObjectName(key + QStringLiteral("Menu"));
        action->setMenu(menu);
        if (auto *tool = qobject_cast<QToolButton *>(widgetForAction(action)))
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        connect(menu, &QMenu::aboutToShow, this, [this, key] { Q_EMIT buttonDropDown(key); });
        connect(menu, &QMenu::triggered, this, [this, key, menu](QAction *entry) {
            Q_EMIT buttonMenuClick(key, int(menu->actions().indexOf(entry)) + 1);
        });
    }
    return action;
}

QAction *ToolBar::addWidgetButton(const QString &key, const QString &tag, QWidget *widget)
{
    QAction *action = addWidget(widget);
    action->setObjectName(key);
    action->setProperty(kTag, tag);
    return action;
}

QAction *ToolBar::button(const QString &key) const
{
    for (QAction *action : actions()) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

QStringList ToolBar::keys() const
{
    QStringList list;
    for (QAction *action : actions()) {
        if (!action->objectName().isEmpty())
            list.append(action->objectName());
    }
    return list;
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
    QAction *b = button(key);
    return b ? b->property(kTag).toString() : QString();
}

void ToolBar::setButtonToolTip(const QString &key, const QString &text)
{
    if (QAction *b = button(key)) {
        b->setToolTip(text);
        if (QWidget *w = widgetForAction(b))
            w->setToolTip(text);
    }
}

QMenu *ToolBar::buttonMenu(const QString &key) const
{
    QAction *b = button(key);
    return b ? b->menu() : nullptr;
}

void ToolBar::setButtonImage(const QString &key, const QString &imageKey)
{
    if (QAction *b = button(key)) {
        b->setProperty(kImage, imageKey);
        b->setIcon(Pictures::icon(m_imageList, imageKey));
    }
}

QString ToolBar::buttonImage(const QString &key) const
{
    QAction *b = button(key);
    return b ? b->property(kImage).toString() : QString();
}

#include "widgets/ActionCollection.h"

#include <QAction>
#include <QActionGroup>

ActionCollection::ActionCollection(QObject *parent)
    : QObject(parent)
{
}

QAction *ActionCollection::add(const QString &name, const QString &text, bool checkable)
{
    Q_ASSERT_X(!m_actions.contains(name), "ActionCollection::add", qPrintable(name));
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setCheckable(checkable);
    m_actions.insert(name, action);
    m_names.append(name);
    return action;
}

QAction *ActionCollection::action(const QString &name) const
{
    QAction *action = m_actions.value(name);
    if (!action)
        qFatal("No command named \"%s\"", qPrintable(name));
    return action;
}

void ActionCollection::trigger(const QString &name) const
{
    action(name)->trigger();
}

void ActionCollection::run(const QString &name) const
{
    QAction *a = action(name);
    // A click flips a check mark, except on the chosen one of an exclusive choice.
    const QActionGroup *group = a->actionGroup();
    const bool keepsChoice = a->isChecked() && group && group->isExclusive();
    if (a->isCheckable() && !keepsChoice)
        a->setChecked(!a->isChecked());
    Q_EMIT a->triggered(a->isChecked());
}

bool ActionCollection::isChecked(const QString &name) const
{
    return action(name)->isChecked();
}

void ActionCollection::setChecked(const QString &name, bool checked) const
{
    action(name)->setChecked(checked);
}

bool ActionCollection::isEnabled(const QString &name) const
{
    return action(name)->isEnabled();
}

void ActionCollection::setEnabled(const QString &name, bool enabled) const
{
    action(name)->setEnabled(enabled);
}

QActionGroup *ActionCollection::makeExclusive(const QStringList &names)
{
    auto *group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const QString &name : names)
        group->addAction(action(name));
    return group;
}

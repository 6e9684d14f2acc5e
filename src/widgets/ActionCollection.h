#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QActionGroup;

// Every command of a window, one QAction each, created once and addressed by the command's
// name. A menu item and a toolbar button that run the same command show the same action, so
// their enabled, checked and pressed states are one state at every moment, and a shortcut works
// whether or not its menu was ever opened.
//
// A checkable action flips its check mark before `triggered` reaches the command's handler, as
// a toolbar button's pressed state flips before its click: handlers read the new state.
class ActionCollection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActionCollection)

public:
    explicit ActionCollection(QObject *parent = nullptr);

    // Creates the command; a name may be added once.
    QAction *add(const QString &name, const QString &text = {}, bool checkable = false);
    // The command of that name. Asking for a name that was never added is a programming
    // error and ends the program with its name, so a test that reaches it fails loudly.
    QAction *action(const QString &name) const;
    bool contains(const QString &name) const { return m_actions.contains(name); }
    // Names in the order they were added.
    const QStringList &names() const { return m_names; }

    // Runs the command as a click on its menu item or button does (nothing while disabled).
    void trigger(const QString &name) const;
    // Runs the command's routine as a click on its enabled item would, whatever its enabled
    // state: for code that calls another command's handler, as the window's routines do.
    void run(const QString &name) const;
    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked) const;
    bool isEnabled(const QString &name) const;
    void setEnabled(const QString &name, bool enabled) const;

    // Makes the named checkable commands one choice: checking one unchecks the others, and
    // choosing the checked one again keeps it checked.
    QActionGroup *makeExclusive(const QStringList &names);

    // Connects the command's handler; the handler gets the action's state after the click.
    template<typename Receiver, typename Slot>
    void onTriggered(const QString &name, const Receiver *receiver, Slot slot) const;

private:
    QHash<QString, QAction *> m_actions;
    QStringList m_names;
};

#include <QAction>

template<typename Receiver, typename Slot>
void ActionCollection::onTriggered(const QString &name, const Receiver *receiver, Slot slot) const
{
    connect(action(name), &QAction::triggered, receiver, slot);
}

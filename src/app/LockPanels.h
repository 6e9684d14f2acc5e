#pragma once

#include <QObject>

#include <array>

class KeyboardLocks;
class QLabel;

// The status bar's NUM, CAPS and SCRL panels: each shows its text dimmed while its lock is
// off, and plainly while it is on or when the platform cannot tell.
class LockPanels final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LockPanels)

public:
    // `panels`: the NUM, CAPS and SCRL panels, in that order.
    LockPanels(KeyboardLocks &locks, const std::array<QLabel *, 3> &panels, QObject *parent = nullptr);

private:
    void showStates();

    KeyboardLocks &m_locks;
    std::array<QLabel *, 3> m_panels{};
};

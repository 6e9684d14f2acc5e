#include "app/LockPanels.h"

#include "platform/KeyboardLocks.h"
#include "widgets/StateBinding.h"

#include <QLabel>

LockPanels::LockPanels(KeyboardLocks &locks, const std::array<QLabel *, 3> &panels, QObject *parent)
    : QObject(parent)
    , m_locks(locks)
    , m_panels(panels)
{
    showAndFollow(&m_locks, &KeyboardLocks::changed, this, &LockPanels::showStates);
}

void LockPanels::showStates()
{
    using Lock = KeyboardLocks::Lock;
    const Lock locks[] = {Lock::Num, Lock::Caps, Lock::Scroll};
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        // A disabled label draws its text in the palette's dimmed colour.
        m_panels[i]->setEnabled(m_locks.state(locks[i]) != KeyboardLocks::State::Off);
    }
}

#pragma once

#include "platform/KeyboardLocks.h"

#include <array>

// Lock states a test sets; each change raises changed(), as a pressed lock key would.
class FakeKeyboardLocks final : public KeyboardLocks
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeKeyboardLocks)

public:
    using KeyboardLocks::KeyboardLocks;

    State state(Lock lock) const override { return m_states[std::size_t(lock)]; }
    void setState(Lock lock, State state)
    {
        m_states[std::size_t(lock)] = state;
        Q_EMIT changed();
    }

private:
    std::array<State, 3> m_states{State::Unknown, State::Unknown, State::Unknown};
};

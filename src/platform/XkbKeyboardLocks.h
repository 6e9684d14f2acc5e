#pragma once

#include "platform/KeyboardLocks.h"

#include <array>

typedef struct _XDisplay Display;

// The lock states of the X server's core keyboard, read from its indicators. They are read
// again when a lock key reaches one of the program's windows and when the program comes to
// the front (a lock may have been switched in another program meanwhile).
class XkbKeyboardLocks final : public KeyboardLocks
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XkbKeyboardLocks)

public:
    // Needs the application object; without an X connection every state is Unknown.
    explicit XkbKeyboardLocks(QObject *parent = nullptr);

    State state(Lock lock) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reread();

    Display *m_display = nullptr;
    std::array<State, 3> m_last{State::Unknown, State::Unknown, State::Unknown};
};

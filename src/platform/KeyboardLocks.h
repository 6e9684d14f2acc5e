#pragma once

#include <QObject>

// The keyboard's lock states (Num Lock, Caps Lock, Scroll Lock), as the status bar shows them.
class KeyboardLocks : public QObject
{
    Q_OBJECT

public:
    enum class Lock { Num, Caps, Scroll };
    // Unknown where the platform cannot tell (no X server, Wayland, the offscreen platform).
    enum class State { Unknown, Off, On };

    using QObject::QObject;

    virtual State state(Lock lock) const = 0;

Q_SIGNALS:
    // One or more lock states changed.
    void changed();
};

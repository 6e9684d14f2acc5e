#include "platform/XkbKeyboardLocks.h"

#include "platform/XkbIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

constexpr std::array<KeyboardLocks::Lock, 3> kLocks{KeyboardLocks::Lock::Num, KeyboardLocks::Lock::Caps,
                                                     KeyboardLocks::Lock::Scroll};

const char *indicatorName(KeyboardLocks::Lock lock)
{
    switch (lock) {
    case KeyboardLocks::Lock::Num:
        return "Num Lock";
    case KeyboardLocks::Lock::Caps:
        return "Caps Lock";
    case KeyboardLocks::Lock::Scroll:
        return "Scroll Lock";
    }
    return "";
}

bool isLockKey(int key)
{
    return key == Qt::Key_NumLock || key == Qt::Key_CapsLock || key == Qt::Key_ScrollLock;
}

} // namespace

XkbKeyboardLocks::XkbKeyboardLocks(QObject *parent)
    : KeyboardLocks(parent)
{
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        m_display = x11->display();
    if (!m_display)
        return;
    for (std::size_t i = 0; i < kLocks.size(); ++i)
        m_last[i] = state(kLocks[i]);
    qGuiApp->installEventFilter(this);
}

KeyboardLocks::State XkbKeyboardLocks::state(Lock lock) const
{
    if (!m_display)
        return State::Unknown;
    switch (XkbIndicators::namedIndicator(m_display, indicatorName(lock))) {
    case 0:
        return State::Off;
    case 1:
        return State::On;
    default:
        return State::Unknown;
    }
}

bool XkbKeyboardLocks::eventFilter(QObject *watched, QEvent *event)
{
    // A key event reaches the window first and then each widget that passes it on: look at
    // the window's copy only.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched->isWindowType() && isLockKey(static_cast<QKeyEvent *>(event)->key()))
            reread();
        break;
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() == Qt::ApplicationActive)
            reread();
        break;
    default:
        break;
    }
    return KeyboardLocks::eventFilter(watched, event);
}

void XkbKeyboardLocks::reread()
{
    bool differs = false;
    for (std::size_t i = 0; i < kLocks.size(); ++i) {
        const State now = state(kLocks[i]);
        differs = differs || now != m_last[i];
        m_last[i] = now;
    }
    if (differs)
        Q_EMIT changed();
}

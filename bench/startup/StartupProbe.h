#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>

// What a start-up program under measurement reports: the moments of its phases on the
// monotonic clock (the one its launcher reads before it starts the program), one
// "phase <name> <nanoseconds>" line each, ending with the window mapped and the first
// complete frame; then it quits.
namespace StartupProbe {

inline void mark(const char *phase)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("phase %s %lld\n", phase, static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
}

// Watches for the first expose of a top-level window: that is when the window is mapped
// and the first frame is painted into it; the frame is complete once the events posted
// meanwhile (the paints they ask for) have run.
class FirstFrame final : public QObject
{
public:
    FirstFrame() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (m_seen || event->type() != QEvent::Expose || !window || !window->isVisible() || window->transientParent())
            return false;
        m_seen = true;
        mark("mapped");
        QTimer::singleShot(0, [] {
            mark("frame");
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace StartupProbe

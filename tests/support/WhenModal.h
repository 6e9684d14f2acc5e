#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>

// Runs `act` on the top modal window once one of type T is up, from inside its event loop;
// act returns false to wait for a later one. Stops when the guard goes out of scope.
class WhenModal final
{
public:
    template<typename T>
    static std::unique_ptr<QTimer> run(std::function<bool(T *)> act)
    {
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(10);
        QTimer *t = timer.get();
        QObject::connect(t, &QTimer::timeout, t, [t, act] {
            auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
            if (w && act(w))
                t->stop();
        });
        timer->start();
        return timer;
    }
};

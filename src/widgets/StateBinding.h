#pragma once

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

// Binds a control to the state object whose value it shows: `show` runs for every change the
// state signals through `changed`, and once at once with `now`, the value the state holds
// already. A change signal alone misses that value, and with it every stored setting equal to
// the state's initial value: setting it changes nothing, so nothing is signalled.
//
// `show` is a member of `receiver` or a callable that `receiver` keeps alive; `now` is what it
// takes (nothing for a show that reads the state itself).
template<typename State, typename Signal, typename Receiver, typename Show, typename... Now>
void showAndFollow(State *state, Signal changed, Receiver *receiver, Show show, Now &&...now)
{
    QObject::connect(state, changed, receiver, show);
    if constexpr (std::is_member_function_pointer_v<Show>)
        std::invoke(show, receiver, std::forward<Now>(now)...);
    else
        std::invoke(show, std::forward<Now>(now)...);
}

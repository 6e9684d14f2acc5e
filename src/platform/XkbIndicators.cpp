#include "platform/XkbIndicators.h"

// XKBlib.h needs Xlib.h first.
#include <X11/Xlib.h>
#include <X11/XKBlib.h>

namespace XkbIndicators {

int namedIndicator(Display *display, const char *name)
{
    // Only if the atom exists already: a server that never named the indicator has none.
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return -1;
    return on ? 1 : 0;
}

} // namespace XkbIndicators

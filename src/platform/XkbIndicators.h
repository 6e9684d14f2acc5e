#pragma once

// The X keyboard extension's named indicators, kept apart so that no other file sees the
// X11 headers and their macros.
typedef struct _XDisplay Display;

namespace XkbIndicators {

// The state of the core keyboard's indicator of that name ("Caps Lock"): 1 lit, 0 dark,
// -1 when the server has no such indicator or no keyboard extension.
int namedIndicator(Display *display, const char *name);

} // namespace XkbIndicators

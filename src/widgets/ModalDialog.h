#pragma once

class QDialog;

// Shows a dialog modal and waits for it, as every dialog of the program is shown. When it
// closes, the window that was active before gets the activation back, with the focus where
// it was: a window manager (or none, offscreen) may otherwise leave no window active, and
// the menus' access keys and the shortcuts would reach nothing.
int execModal(QDialog &dialog);

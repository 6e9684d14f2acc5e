#pragma once

// What the platform layer must arrange before the QApplication exists
// (font configuration, for one). Called first thing by main() and by every test program.
void preparePlatform();

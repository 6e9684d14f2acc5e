#pragma once

class SettingsAccess;
struct Settings;

// The settings readers, value by value in the order start-up reads them. A missing value
// sets globals().gRegError as every read does; each reader returns true when a value that
// start-up cannot do without was missing or empty (the first-run question follows).
namespace SettingsLoad {

// The 40 custom colours and labels: only whether they are there.
void checkCustomColors(SettingsAccess &access);
// The recent text files and the recent custom maps: ranks 1 up to the first empty one.
void readRecentFiles(SettingsAccess &access, Settings &settings);
void readRecentMaps(SettingsAccess &access, Settings &settings);
// The TextBoard's format.
bool readTextBoard(SettingsAccess &access, Settings &settings);
// Placement, bands, folders, FontMap, views and options, and the editor's, the FontBrowser's
// and the Options dialog's own values.
bool readLast(SettingsAccess &access, Settings &settings);

} // namespace SettingsLoad

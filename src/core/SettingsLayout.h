#pragma once

#include "core/RegistryFunctions.h"
#include "core/Settings.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

// Every value of the settings store under Software\Quorvil, in one table: its key, name,
// type, first-run default, and the member of Settings it is. The settings readers
// and writers take the type and the member from here.
namespace SettingsLayout {

// Where a value's first-run default comes from.
enum class FirstRun {
    Literal,          // `value` below
    ScreenSizeIndex,  // the FontMap size step for the screen width
    ScreenFontSize,   // the TextBoard font size for the screen width
    TextBoardFont,    // Arial, or the family that stands in for it
    DesignedColor,    // the Zoom view's designed colours
    DesignedSize,     // the window's designed size, or a band's designed width
    DocumentsFolder,  // the default documents folder
    CenteredWindow,   // the window centred in the work area for its final size
    CustomColor,      // the default custom colour of that number
    CustomLabel,      // its label
    NotWritten,       // written only by the Options dialog
};

struct Value
{
    QString key;   // below Software\Quorvil; empty for the root values
    QString name;
    quint32 type;  // REG_SZ or REG_DWORD
    FirstRun firstRun;
    QVariant value;
    // The member of Settings, as stored and back; a number read is held to the member's range
    // and anything unreadable gives 0, False or the empty text. Empty for the values that
    // Settings does not carry (the custom colours, the Temp values).
    std::function<QVariant(const Settings &)> get;
    std::function<void(Settings &, const RegValue &)> set;
};

// The whole layout, key by key in the order of the first-run writes.
const QList<Value> &values();
// The entry of one value; nullptr when the layout has none.
const Value *find(const QString &key, const QString &name);
// The registry path of a key ("Software\Quorvil\Bars"); the root for an empty key.
QString keyPath(const QString &key);
// The 13 subkeys, in the order they are created.
const QStringList &keys();

// Settings with every literal first-run default of the table; the defaults that follow the
// screen, the fonts and the user's folders are the first run's to fill in.
Settings literalDefaults();
// A number's first-run default (a band width, say), from the table.
int defaultNumber(const QString &key, const QString &name);

} // namespace SettingsLayout

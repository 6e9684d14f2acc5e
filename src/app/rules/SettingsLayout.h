#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Every value of the settings store under Software\Quorvil, in one table: its key, name,
// type, first-run default and reader. The settings readers and writers take the type from
// here, and the tests compare a first run's store with it.
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
    QString readBy;
};

// The whole layout, key by key in the order of the first-run writes.
const QList<Value> &values();
// The entry of one value; nullptr when the layout has none.
const Value *find(const QString &key, const QString &name);
// The registry path of a key ("Software\Quorvil\Bars"); the root for an empty key.
QString keyPath(const QString &key);
// The 13 subkeys, in the order they are created.
const QStringList &keys();

} // namespace SettingsLayout

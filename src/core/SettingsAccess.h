#pragma once

#include "core/RegistryFunctions.h"

#include <QList>
#include <QVariant>

struct Settings;

// One value for writeMany: key below Software\Quorvil (empty for the root), name, value.
struct SettingWrite
{
    QString key;
    QString name;
    QVariant value;
};

// Reads and writes the program's settings by key and name, with the type the settings
// layout gives each value; everything goes through the registry operations.
class SettingsAccess final
{
    Q_DISABLE_COPY_MOVE(SettingsAccess)

public:
    explicit SettingsAccess(Registry &store) : m_reg(store) {}

    RegValue read(const QString &key, const QString &name);
    // Reads the value into its member of `settings` (see SettingsLayout) and returns it as read.
    RegValue readInto(Settings &settings, const QString &key, const QString &name);
    void write(const QString &key, const QString &name, const QVariant &value);
    // Each value as write() stores it, all at once: one lock and one replace of the store.
    void writeMany(const QList<SettingWrite> &values);
    // The same for values made from what the store holds when they are written, read through
    // the access it is given: no other process's change comes between.
    void writeMany(const std::function<QList<SettingWrite>(SettingsAccess &now)> &valuesFor);
    void remove(const QString &key, const QString &name);

    RegistryFunctions &functions() { return m_reg; }

private:
    static QList<RegKeyValue> keyValuesOf(const QList<SettingWrite> &values);

    RegistryFunctions m_reg;
};

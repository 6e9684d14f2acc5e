#pragma once

#include "app/rules/RegistryFunctions.h"

#include <QVariant>

// Reads and writes the program's settings by key and name, with the type the settings
// layout gives each value; everything goes through the registry operations.
class SettingsAccess final
{
    Q_DISABLE_COPY_MOVE(SettingsAccess)

public:
    explicit SettingsAccess(Registry &store) : m_reg(store) {}

    RegValue read(const QString &key, const QString &name);
    void write(const QString &key, const QString &name, const QVariant &value);
    void remove(const QString &key, const QString &name);

    RegistryFunctions &functions() { return m_reg; }

private:
    RegistryFunctions m_reg;
};

#include "app/rules/SettingsAccess.h"

#include "app/rules/SettingsLayout.h"

RegValue SettingsAccess::read(const QString &key, const QString &name)
{
    return m_reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

void SettingsAccess::write(const QString &key, const QString &name, const QVariant &value)
{
    const SettingsLayout::Value *spec = SettingsLayout::find(key, name);
    Q_ASSERT_X(spec, "SettingsAccess::write", "a value outside the settings layout");
    if (!spec)
        return;
    m_reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name, value, spec->type);
}

void SettingsAccess::remove(const QString &key, const QString &name)
{
    m_reg.DeleteValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

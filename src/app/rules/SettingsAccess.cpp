#include "app/rules/SettingsAccess.h"

#include "app/rules/SettingsLayout.h"

RegValue SettingsAccess::read(const QString &key, const QString &name)
{
    return m_reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

RegValue SettingsAccess::readInto(Settings &settings, const QString &key, const QString &name)
{
    const RegValue value = read(key, name);
    const SettingsLayout::Value *spec = SettingsLayout::find(key, name);
    Q_ASSERT_X(spec && spec->set, "SettingsAccess::readInto", qPrintable(key + QLatin1Char('\\') + name));
    if (spec && spec->set)
        spec->set(settings, value);
    return value;
}

void SettingsAccess::write(const QString &key, const QString &name, const QVariant &value)
{
    const SettingsLayout::Value *spec = SettingsLayout::find(key, name);
    Q_ASSERT_X(spec, "SettingsAccess::write", "a value outside the settings layout");
    if (!spec)
        return;
    m_reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name, value, spec->type);
}

void SettingsAccess::writeMany(const QList<SettingWrite> &values)
{
    for (const SettingWrite &w : values)
        write(w.key, w.name, w.value);
}

void SettingsAccess::remove(const QString &key, const QString &name)
{
    m_reg.DeleteValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

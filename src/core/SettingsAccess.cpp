#include "core/SettingsAccess.h"

#include "core/SettingsLayout.h"

RegValue SettingsAccess::read(const QString &key, const QString &name)
{
    return m_reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

RegValue SettingsAccess::readInto(Settings &settings, const QString &key, const QString &name)
{
    const RegValue value = read(key, name);
    const SettingsLayout::Value *entry = SettingsLayout::find(key, name);
    Q_ASSERT_X(entry && entry->set, "SettingsAccess::readInto", qPrintable(key + QLatin1Char('\\') + name));
    if (entry && entry->set)
        entry->set(settings, value);
    return value;
}

namespace {

// The layout's type for the value; nullptr (and an assertion in debug builds) for a value
// the layout does not know.
const SettingsLayout::Value *layoutOf(const QString &key, const QString &name)
{
    const SettingsLayout::Value *entry = SettingsLayout::find(key, name);
    Q_ASSERT_X(entry, "SettingsAccess", "a value outside the settings layout");
    return entry;
}

} // namespace

void SettingsAccess::write(const QString &key, const QString &name, const QVariant &value)
{
    if (const SettingsLayout::Value *entry = layoutOf(key, name))
        m_reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name, value, entry->type);
}

QList<RegKeyValue> SettingsAccess::keyValuesOf(const QList<SettingWrite> &values)
{
    QList<RegKeyValue> batch;
    batch.reserve(values.size());
    for (const SettingWrite &v : values) {
        if (const SettingsLayout::Value *entry = layoutOf(v.key, v.name))
            batch.append(RegKeyValue{SettingsLayout::keyPath(v.key), v.name, v.value, entry->type});
    }
    return batch;
}

void SettingsAccess::writeMany(const QList<SettingWrite> &values)
{
    m_reg.SetKeyValues(HKEY_CURRENT_USER, keyValuesOf(values));
}

void SettingsAccess::writeMany(const std::function<QList<SettingWrite>(SettingsAccess &now)> &valuesFor)
{
    m_reg.SetKeyValues(HKEY_CURRENT_USER, std::function<QList<RegKeyValue>(Registry &)>([&](Registry &now) {
                           SettingsAccess access(now);
                           return keyValuesOf(valuesFor(access));
                       }));
}

void SettingsAccess::remove(const QString &key, const QString &name)
{
    m_reg.DeleteValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name);
}

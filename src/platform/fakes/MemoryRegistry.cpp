#include "platform/fakes/MemoryRegistry.h"

void MemoryRegistry::plant(const QString &keyPath, const QString &name, const RegData &data)
{
    const bool planted = m_tree.createKey(keyPath) && m_tree.setValue(keyPath, name, data);
    Q_ASSERT_X(planted, "MemoryRegistry::plant", "the key path or value name is malformed");
    Q_UNUSED(planted);
}

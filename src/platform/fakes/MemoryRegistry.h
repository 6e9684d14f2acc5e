#pragma once

#include "core/Registry.h"
#include "core/RegistryTree.h"

// The settings store held in memory, for tests. Besides the store's operations a test can
// plant any raw value (a REG_SZ with a NUL inside, a REG_BINARY) and look at the tree.
class MemoryRegistry final : public Registry
{
    Q_DISABLE_COPY_MOVE(MemoryRegistry)

public:
    MemoryRegistry() = default;

    bool keyExists(const QString &keyPath) override { return m_tree.keyExists(keyPath); }
    std::optional<RegData> value(const QString &keyPath, const QString &name) override
    {
        return m_tree.value(keyPath, name);
    }
    bool setValue(const QString &keyPath, const QString &name, const RegData &data) override
    {
        return m_tree.setValue(keyPath, name, data);
    }
    bool deleteValue(const QString &keyPath, const QString &name) override
    {
        return m_tree.deleteValue(keyPath, name);
    }
    bool createKey(const QString &keyPath) override { return m_tree.createKey(keyPath); }
    bool deleteKey(const QString &keyPath) override { return m_tree.deleteKey(keyPath); }
    bool write(const QList<RegWrite> &batch) override { return m_tree.write(batch) == batch.size(); }
    bool update(const std::function<QList<RegWrite>(Registry &now)> &batchFor) override
    {
        return write(batchFor(*this));
    }
    StoreProblem problem() override { return {}; }

    // Stores data exactly as given, creating its key first.
    void plant(const QString &keyPath, const QString &name, const RegData &data);

    const RegistryTree &tree() const { return m_tree; }

private:
    RegistryTree m_tree;
};

#pragma once

#include "core/Registry.h"

#include <QHash>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>
#include <vector>

// The settings store's keys and values, held in memory: the operations of Registry on a
// tree whose top is HKEY_CURRENT_USER. Names match without regard to case and keep the
// case of their first writing; keys and values keep the order they were created in.
class RegistryTree final
{
public:
    struct Value
    {
        QString name;
        RegData data;
        friend bool operator==(const Value &, const Value &) = default;
    };

    struct Key
    {
        QString name;
        std::vector<Value> values;
        std::vector<Key> subkeys;
        // Positions in values and subkeys by case-folded name, kept by RegistryTree for
        // long lists only, so that a file with many thousands of entries still reads in
        // linear time.
        QHash<QString, qsizetype> valueIndex;
        QHash<QString, qsizetype> subkeyIndex;
        friend bool operator==(const Key &, const Key &) = default;
    };

    bool keyExists(const QString &keyPath) const;
    std::optional<RegData> value(const QString &keyPath, const QString &name) const;
    bool setValue(const QString &keyPath, const QString &name, const RegData &data);
    bool deleteValue(const QString &keyPath, const QString &name);
    bool createKey(const QString &keyPath);
    bool deleteKey(const QString &keyPath);
    // createKey, then setValue of each value in turn, finding the key once: how a file's
    // section is read. False, with the key created but values perhaps missing, on a
    // malformed path or value name.
    bool mergeKey(const QString &keyPath, const std::vector<Value> &values);
    // setValue or deleteValue of each entry in turn; how many of them were made.
    qsizetype write(const QList<RegWrite> &batch);

    // HKEY_CURRENT_USER, whose name is empty.
    const Key &root() const { return m_root; }

    friend bool operator==(const RegistryTree &, const RegistryTree &) = default;

private:
    const Key *findKey(const QString &keyPath) const;
    Key *findKey(const QString &keyPath);
    Key *createAndFindKey(const QString &keyPath);
    static bool setValueOf(Key &key, const QString &name, const RegData &data);

    Key m_root;
};

// The names of a key path, top first; nullopt when the path cannot name a key: an empty
// name (a doubled, leading or trailing backslash), a name longer than 255 characters, a
// control character, or more than 512 levels. The empty path is the top itself and gives an
// empty list.
// The names are views into keyPath.
using KeyNames = QVarLengthArray<QStringView, 16>;
std::optional<KeyNames> splitKeyPath(QStringView keyPath);

// Value names may be empty (the default value) but not hold control characters, nor be
// longer than 16,383 characters.
bool isValidValueName(const QString &name);

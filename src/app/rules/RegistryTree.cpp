#include "app/rules/RegistryTree.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype kMaxKeyNameLength = 255;
constexpr qsizetype kMaxKeyDepth = 512;
constexpr qsizetype kMaxValueNameLength = 16383;

bool hasControlCharacter(const QString &name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

// Names match as the registry matches them: without regard to case.
QString folded(const QString &name)
{
    return name.toCaseFolded();
}

template<typename Items>
auto findNamed(Items &items, const QHash<QString, qsizetype> &index, const QString &name) -> decltype(&items[0])
{
    const qsizetype at = index.value(folded(name), -1);
    return at < 0 ? nullptr : &items[size_t(at)];
}

// The item of that name, added by make() when there is none; the name is folded once.
template<typename Item, typename Make>
Item &findOrAddNamed(std::vector<Item> &items, QHash<QString, qsizetype> &index, const QString &name, Make make)
{
    const QString key = folded(name);
    if (const auto it = index.constFind(key); it != index.cend())
        return items[size_t(*it)];
    index.insert(key, qsizetype(items.size()));
    items.push_back(make());
    return items.back();
}

template<typename Item>
void eraseNamed(std::vector<Item> &items, QHash<QString, qsizetype> &index, const Item *item)
{
    const qsizetype at = item - items.data();
    index.remove(folded(item->name));
    items.erase(items.begin() + at);
    for (qsizetype i = at; i < qsizetype(items.size()); ++i)
        index[folded(items[size_t(i)].name)] = i;
}

} // namespace

std::optional<QStringList> splitKeyPath(const QString &keyPath)
{
    if (keyPath.isEmpty())
        return QStringList();
    QStringList names = keyPath.split(QLatin1Char('\\'));
    if (names.size() > kMaxKeyDepth)
        return std::nullopt;
    for (const QString &name : names) {
        if (name.isEmpty() || name.size() > kMaxKeyNameLength || hasControlCharacter(name))
            return std::nullopt;
    }
    return names;
}

bool isValidValueName(const QString &name)
{
    return name.size() <= kMaxValueNameLength && !hasControlCharacter(name);
}

const RegistryTree::Key *RegistryTree::findKey(const QString &keyPath) const
{
    const std::optional<QStringList> names = splitKeyPath(keyPath);
    if (!names)
        return nullptr;
    const Key *key = &m_root;
    for (const QString &name : *names) {
        key = findNamed(key->subkeys, key->subkeyIndex, name);
        if (!key)
            return nullptr;
    }
    return key;
}

RegistryTree::Key *RegistryTree::findKey(const QString &keyPath)
{
    return const_cast<Key *>(std::as_const(*this).findKey(keyPath));
}

bool RegistryTree::keyExists(const QString &keyPath) const
{
    return findKey(keyPath) != nullptr;
}

std::optional<RegData> RegistryTree::value(const QString &keyPath, const QString &name) const
{
    const Key *key = findKey(keyPath);
    if (!key)
        return std::nullopt;
    if (const Value *value = findNamed(key->values, key->valueIndex, name))
        return value->data;
    return std::nullopt;
}

bool RegistryTree::setValue(const QString &keyPath, const QString &name, const RegData &data)
{
    Key *key = findKey(keyPath);
    return key && setValueOf(*key, name, data);
}

bool RegistryTree::setValueOf(Key &key, const QString &name, const RegData &data)
{
    if (!isValidValueName(name))
        return false;
    // Replacing keeps the name as first written, as the registry does.
    findOrAddNamed(key.values, key.valueIndex, name, [&] { return Value{name, {}}; }).data = data;
    return true;
}

bool RegistryTree::deleteValue(const QString &keyPath, const QString &name)
{
    Key *key = findKey(keyPath);
    const Value *value = key ? findNamed(key->values, key->valueIndex, name) : nullptr;
    if (!value)
        return false;
    eraseNamed(key->values, key->valueIndex, value);
    return true;
}

RegistryTree::Key *RegistryTree::createAndFindKey(const QString &keyPath)
{
    const std::optional<QStringList> names = splitKeyPath(keyPath);
    if (!names)
        return nullptr;
    Key *key = &m_root;
    for (const QString &name : *names)
        key = &findOrAddNamed(key->subkeys, key->subkeyIndex, name, [&] { return Key{name, {}, {}, {}, {}}; });
    return key;
}

bool RegistryTree::createKey(const QString &keyPath)
{
    return createAndFindKey(keyPath) != nullptr;
}

bool RegistryTree::mergeKey(const QString &keyPath, const std::vector<Value> &values)
{
    Key *key = createAndFindKey(keyPath);
    return key && std::all_of(values.begin(), values.end(),
                              [&](const Value &value) { return setValueOf(*key, value.name, value.data); });
}

bool RegistryTree::deleteKey(const QString &keyPath)
{
    const std::optional<QStringList> names = splitKeyPath(keyPath);
    if (!names || names->isEmpty())
        return false;
    const qsizetype cut = keyPath.lastIndexOf(QLatin1Char('\\'));
    Key *parent = cut < 0 ? &m_root : findKey(keyPath.left(cut));
    const Key *key = parent ? findNamed(parent->subkeys, parent->subkeyIndex, names->constLast()) : nullptr;
    if (!key || !key->subkeys.empty())
        return false;
    eraseNamed(parent->subkeys, parent->subkeyIndex, key);
    return true;
}

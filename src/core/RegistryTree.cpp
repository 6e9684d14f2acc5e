#include "core/RegistryTree.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype kMaxKeyNameLength = 255;
constexpr qsizetype kMaxKeyDepth = 512;
constexpr qsizetype kMaxValueNameLength = 16383;

bool hasControlCharacter(QStringView name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

// Names match as the registry matches them: without regard to case. Names are nearly
// always ASCII, whose folding is plain lower case and needs no look-up in Unicode's tables.
QString folded(QStringView name)
{
    QString result(name.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return name.toString().toCaseFolded();
        *out++ = QChar(u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u);
    }
    return result;
}

// The same name but for case. Folding keeps a name's length, and ASCII needs no tables.
bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return false;
    }
    return true;
}

// A key's few values and subkeys are searched in order; a long list (a key with thousands
// of subkeys) keeps an index by folded name, made when it grows to this many items, so that
// a large file still reads in linear time without an index for every small key.
constexpr size_t kIndexedFrom = 16;

template<typename Item>
qsizetype positionOf(const std::vector<Item> &items, const QHash<QString, qsizetype> &index, QStringView name)
{
    if (items.size() >= kIndexedFrom)
        return index.value(folded(name), -1);
    for (size_t i = 0; i < items.size(); ++i) {
        if (sameName(items[i].name, name))
            return qsizetype(i);
    }
    return -1;
}

template<typename Item>
void reindex(const std::vector<Item> &items, QHash<QString, qsizetype> &index, size_t from)
{
    if (items.size() < kIndexedFrom) {
        index.clear();
        return;
    }
    if (items.size() == kIndexedFrom)
        from = 0;
    for (size_t i = from; i < items.size(); ++i)
        index.insert(folded(items[i].name), qsizetype(i));
}

template<typename Items>
auto findNamed(Items &items, const QHash<QString, qsizetype> &index, QStringView name) -> decltype(&items[0])
{
    const qsizetype at = positionOf(items, index, name);
    return at < 0 ? nullptr : &items[size_t(at)];
}

// The item of that name, added by make() when there is none.
template<typename Item, typename Make>
Item &findOrAddNamed(std::vector<Item> &items, QHash<QString, qsizetype> &index, QStringView name, Make make)
{
    if (items.size() < kIndexedFrom) {
        if (const qsizetype at = positionOf(items, index, name); at >= 0)
            return items[size_t(at)];
        items.push_back(make());
        reindex(items, index, items.size() - 1);
        return items.back();
    }
    // Folded once, for the look-up and the new entry alike.
    QString key = folded(name);
    if (const auto it = index.constFind(key); it != index.cend())
        return items[size_t(*it)];
    index.insert(std::move(key), qsizetype(items.size()));
    items.push_back(make());
    return items.back();
}

template<typename Item>
void eraseNamed(std::vector<Item> &items, QHash<QString, qsizetype> &index, const Item *item)
{
    const qsizetype at = item - items.data();
    index.remove(folded(item->name));
    items.erase(items.begin() + at);
    reindex(items, index, size_t(at));
}

} // namespace

std::optional<KeyNames> splitKeyPath(QStringView keyPath)
{
    KeyNames names;
    if (keyPath.isEmpty())
        return names;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= keyPath.size(); ++i) {
        const char16_t c = i < keyPath.size() ? keyPath[i].unicode() : u'\\';
        if (c < 0x20 || c == 0x7F)
            return std::nullopt;
        if (c != u'\\')
            continue;
        const qsizetype length = i - start;
        if (length == 0 || length > kMaxKeyNameLength || names.size() == kMaxKeyDepth)
            return std::nullopt;
        names.append(keyPath.sliced(start, length));
        start = i + 1;
    }
    return names;
}

bool isValidValueName(const QString &name)
{
    return name.size() <= kMaxValueNameLength && !hasControlCharacter(name);
}

const RegistryTree::Key *RegistryTree::findKey(const QString &keyPath) const
{
    const std::optional<KeyNames> names = splitKeyPath(keyPath);
    if (!names)
        return nullptr;
    const Key *key = &m_root;
    for (const QStringView name : *names) {
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
    const std::optional<KeyNames> names = splitKeyPath(keyPath);
    if (!names)
        return nullptr;
    Key *key = &m_root;
    for (const QStringView name : *names)
        key = &findOrAddNamed(key->subkeys, key->subkeyIndex, name, [&] { return Key{name.toString(), {}, {}, {}, {}}; });
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

qsizetype RegistryTree::write(const QList<RegWrite> &batch)
{
    return std::count_if(batch.begin(), batch.end(), [this](const RegWrite &w) {
        return w.data ? setValue(w.keyPath, w.name, *w.data) : deleteValue(w.keyPath, w.name);
    });
}

bool RegistryTree::deleteKey(const QString &keyPath)
{
    const std::optional<KeyNames> names = splitKeyPath(keyPath);
    if (!names || names->isEmpty())
        return false;
    const qsizetype cut = keyPath.lastIndexOf(QLatin1Char('\\'));
    Key *parent = cut < 0 ? &m_root : findKey(keyPath.left(cut));
    const Key *key = parent ? findNamed(parent->subkeys, parent->subkeyIndex, names->last()) : nullptr;
    if (!key || !key->subkeys.empty())
        return false;
    eraseNamed(parent->subkeys, parent->subkeyIndex, key);
    return true;
}

#pragma once

#include "core/Registry.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <variant>

// A registry key handle. Keys are named, not held: the root handle HKEY_CURRENT_USER is
// the empty path, and opening a key below a handle only joins the paths; the store itself
// is opened, used and closed by every single operation.
struct RegKey
{
    QString path;
};

inline const RegKey HKEY_CURRENT_USER{};

// The system's result codes that the inner steps give.
inline constexpr qint32 ERROR_SUCCESS = 0;
inline constexpr qint32 ERROR_FILE_NOT_FOUND = 2;
inline constexpr qint32 ERROR_INVALID_PARAMETER = 87;
inline constexpr qint32 ERROR_CANTREAD = 1012;
inline constexpr qint32 ERROR_CANTWRITE = 1013;

// What a read gives: nothing (a missing, unreadable or zero-length value, or one of
// another type), a text (REG_SZ) or a 32-bit number (REG_DWORD). Nothing is distinct
// from the empty text and from 0.
using RegValue = std::variant<std::monostate, QString, qint32>;

bool regIsEmpty(const RegValue &value);
// The text; a number as its decimal text; nothing as the empty text.
QString regToText(const RegValue &value);
// The number; a text holding a number ("300", " -5 ", "2.5" rounded to even); nullopt for
// nothing or any other text.
std::optional<qint32> regToNumber(const RegValue &value);
// On/off settings: the words True and False in any case, or a number (0 is off, any other
// on), as a number or as its text; nullopt for nothing or any other text.
std::optional<bool> regToBool(const RegValue &value);

// One value of a batch: what SetKeyValue takes after its root.
struct RegKeyValue
{
    QString keyPath;
    QString valueName;
    QVariant value;
    quint32 valueType = REG_SZ;
};

// The seven registry operations every settings reader and writer goes through. Writes and
// deletes never report failure to their callers; a read of a missing key or value sets
// globals().gRegError, which nothing here clears.
class RegistryFunctions final
{
    Q_DISABLE_COPY_MOVE(RegistryFunctions)

public:
    explicit RegistryFunctions(Registry &store) : m_store(store) {}

    // Inner steps, on a key already named. valueType REG_SZ writes the value's text
    // (Booleans as True or False, numbers in decimal) as UTF-8, with no terminating NUL;
    // REG_DWORD writes it as a 32-bit number (Booleans -1 and 0, texts of numbers, fractions
    // rounded to even, 0x80000000 and above as the signed value with the same bits); any
    // other type writes nothing and gives ERROR_SUCCESS. A value that has no such text or
    // number writes nothing and gives ERROR_INVALID_PARAMETER.
    qint32 SetValueEx(const RegKey &key, const QString &valueName, quint32 valueType, const QVariant &value);
    // result := the value read; see RegValue. REG_SZ text ends at its first NUL.
    qint32 QueryValueEx(const RegKey &key, const QString &valueName, RegValue &result);

    // Refused (silently) while the key has subkeys.
    void DeleteKey(const RegKey &root, const QString &keyPath);
    // Creates the key and any missing parents.
    void CreateNewKey(const RegKey &root, const QString &keyPath);
    // Writes nothing when the key does not exist.
    void SetKeyValue(const RegKey &root, const QString &keyPath, const QString &valueName, const QVariant &value,
                     quint32 valueType);
    // Each value as SetKeyValue writes it, all under one lock and one replace of the store:
    // for the writers that store many values at once.
    void SetKeyValues(const RegKey &root, const QList<RegKeyValue> &values);
    // The same for values made from what the store holds when they are written: `valuesFor`
    // reads what it needs from the store it is given, and no other process's change comes
    // between that reading and the writing.
    void SetKeyValues(const RegKey &root, const std::function<QList<RegKeyValue>(Registry &now)> &valuesFor);
    RegValue QueryValue(const RegKey &root, const QString &keyPath, const QString &valueName);
    void DeleteValue(const RegKey &root, const QString &keyPath, const QString &valueName);

private:
    static RegKey openKey(const RegKey &root, const QString &keyPath);
    static QList<RegWrite> batchOf(const RegKey &root, const QList<RegKeyValue> &values);
    // The data SetValueEx stores, with its result code; nullopt when it stores nothing.
    static std::optional<RegData> encode(quint32 valueType, const QVariant &value, qint32 &code);

    Registry &m_store;
};

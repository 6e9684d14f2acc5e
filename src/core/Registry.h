#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Value types by their registry numbers. The store keeps any other number as it is.
inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_BINARY = 3;
inline constexpr quint32 REG_DWORD = 4;

// One stored value, raw: REG_SZ holds UTF-8 bytes (no terminating NUL unless a writer put
// one there), REG_DWORD four bytes, little-endian.
struct RegData
{
    quint32 type = 0;
    QByteArray bytes;

    friend bool operator==(const RegData &, const RegData &) = default;
};

// One change of a batch: the value to create or replace, or, with no data, to delete.
struct RegWrite
{
    QString keyPath;
    QString name;
    std::optional<RegData> data;
};

// What is wrong with the store as a whole, for the one message start-up shows about it, or
// why a change could not be saved in it.
struct StoreProblem
{
    enum class Kind { None, Damaged, TooLarge, Unreadable, NotSaved };

    Kind kind = Kind::None;
    QString storePath; // the store's file
    QString keptAs;    // Damaged, TooLarge: the copy kept of it; empty when none could be made
    QString reason;    // Unreadable, NotSaved: why ("Permission denied", "No space left on device")
};

// The settings store, as the registry below HKEY_CURRENT_USER.
//
// A key path names its keys from the top, joined by backslashes ("Software\Quorvil\Bars");
// the empty path is HKEY_CURRENT_USER itself, and the empty value name is a key's default
// value. Key and value names match without regard to case and keep the case they were
// first written with. Every call opens, uses and closes the store; nothing is held
// between calls, so another process's changes are seen at once. Failures are never raised:
// a call that could not do its work returns false (or nullopt) and changes nothing.
class Registry
{
public:
    // Told of each change that the store could not save (a full disk, a read-only folder,
    // a lock that another program held too long, a store that cannot be read): that change
    // is lost, and the store stays as it was. Refusals that the calls' own rules make (a
    // value under a missing key) are not failures.
    using SaveFailureHandler = std::function<void(const StoreProblem &)>;

    virtual ~Registry() = default;

    void setSaveFailureHandler(SaveFailureHandler handler) { m_saveFailed = std::move(handler); }

    virtual bool keyExists(const QString &keyPath) = 0;
    // nullopt: the key or the value does not exist (or the store could not be read).
    virtual std::optional<RegData> value(const QString &keyPath, const QString &name) = 0;
    // Creates or replaces the value; false, with nothing written, when the key is missing.
    virtual bool setValue(const QString &keyPath, const QString &name, const RegData &data) = 0;
    virtual bool deleteValue(const QString &keyPath, const QString &name) = 0;
    // Creates the key and any missing parents; true when it exists afterwards.
    virtual bool createKey(const QString &keyPath) = 0;
    // Deletes a key with its values; refuses the top and any key that still has subkeys.
    virtual bool deleteKey(const QString &keyPath) = 0;
    // Each entry as setValue or deleteValue would do it, in order, all at once: other
    // processes see none or all of them. An entry that its single call would refuse (a
    // value under a missing key) is skipped; the others are still made. True when every
    // entry was made.
    virtual bool write(const QList<RegWrite> &batch) = 0;
    // A batch made from what the store holds when it is written: `batchFor` reads what it
    // needs from the store it is given (and only reads) and returns the entries to write.
    // No other process's change comes between that reading and the writing.
    virtual bool update(const std::function<QList<RegWrite>(Registry &now)> &batchFor) = 0;
    // Looks at the store as it is now. A damaged one is kept aside first, once, so that
    // the answer can say where; an unreadable one is left alone.
    virtual StoreProblem problem() = 0;

protected:
    // Called by a store once its call has ended, outside any lock: the handler may show a
    // message, and the program may call the store again while it shows.
    void reportSaveFailure(const StoreProblem &problem) const
    {
        if (m_saveFailed)
            m_saveFailed(problem);
    }

private:
    SaveFailureHandler m_saveFailed;
};

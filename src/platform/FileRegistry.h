#pragma once

#include "core/Registry.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class RegistryTree;

// The settings store in one file, Quorvil.reg in the REGEDIT4 layout, in a folder of its
// own ($XDG_CONFIG_HOME/Quorvil, by default ~/.config/Quorvil).
//
// Every call looks at the file afresh, so another process's changes are seen at once, but
// the file is read and parsed only when it changed since this object last saw it: its
// device, inode, size and modification time are kept with the parsed tree, and a change
// replaces the file, which changes them. A change takes an exclusive lock on
// Quorvil.reg.lock (waiting for another program's lock for kLockWait at most), looks at the
// file again under it, writes the new text into a private temporary file beside the file
// and renames it over the file, so a crash never leaves half a file and two running
// programs never lose each other's changes. When Quorvil.reg is a symbolic link, the
// change goes through it: the link's target is replaced and the link stays. A new store is
// readable by its user only.
//
// A file that does not parse, or is larger than the parser takes, reads as an empty store;
// before it is first replaced, or when start-up asks about it (problem()), a copy of it is
// kept in the folder under a name with the time in it (Quorvil.reg.damaged-<UTC time>), the
// newest few of them. A file that cannot be read at all (no permission) is never replaced.
// Faults are logged under "quorvil.registry"; a change that could not be saved goes to the
// save failure handler, and otherwise faults only show as false, nullopt or problem().
class FileRegistry final : public Registry
{
    Q_DISABLE_COPY_MOVE(FileRegistry)

public:
    // At most this many copies of damaged stores are kept; older ones are removed.
    static constexpr int kKeptDamagedCopies = 5;
    // How long a change waits for the lock that another program holds before it gives up.
    static constexpr std::chrono::milliseconds kLockWait{3000};

    static QString defaultFolder();

    explicit FileRegistry(const QString &folder = defaultFolder());
    ~FileRegistry() override;

    QString storePath() const;
    // The kept copies of damaged stores, newest first.
    QStringList damagedCopies() const;
    // How often this object has read and parsed the file, and replaced it.
    int parseCount() const { return m_parseCount; }
    int replaceCount() const { return m_replaceCount; }

    bool keyExists(const QString &keyPath) override;
    std::optional<RegData> value(const QString &keyPath, const QString &name) override;
    bool setValue(const QString &keyPath, const QString &name, const RegData &data) override;
    bool deleteValue(const QString &keyPath, const QString &name) override;
    bool createKey(const QString &keyPath) override;
    bool deleteKey(const QString &keyPath) override;
    bool write(const QList<RegWrite> &batch) override;
    bool update(const std::function<QList<RegWrite>(Registry &now)> &batchFor) override;
    StoreProblem problem() override;

private:
    struct Snapshot;
    struct Outcome;

    // The store as the file is now; parsed again only when the file changed.
    Snapshot &current();
    Snapshot &readFile();
    Snapshot &unreadable(const QString &reason);
    // Applies edit to the stored tree under the lock and saves the result when edit
    // returns true (the tree may have changed); made is the edit's answer, or false when
    // the store could not be saved.
    Outcome change(const std::function<bool(RegistryTree &)> &edit);
    // The outcome of an edit that needs neither the lock nor a write, tried on a copy of the
    // store as it is: one that is refused, or that would store what is stored already (most
    // of what the program writes at exit). Such an edit then neither waits for another
    // program's lock nor fails with it. nullopt: the edit changes the store.
    std::optional<Outcome> withoutSaving(const std::function<bool(RegistryTree &)> &edit);
    Outcome notSaved(const QString &what, const QString &reason);
    // The outcome's answer, once its failure, if any, has gone to the handler.
    bool finish(const Outcome &outcome);
    QString keepDamagedCopy();
    void warn(const QString &message);

    QString m_folder;
    QString m_lastWarning;
    std::unique_ptr<Snapshot> m_snapshot;
    QDeadlineTimer m_noLockWait; // running: a change found the lock held for all of kLockWait
    int m_parseCount = 0;
    int m_replaceCount = 0;
};

#pragma once

#include "app/rules/Registry.h"

#include <QString>

#include <functional>

class RegistryTree;

// The settings store in one file, Quorvil.reg in the REGEDIT4 layout, in a folder of its
// own ($XDG_CONFIG_HOME/Quorvil, by default ~/.config/Quorvil).
//
// Every call reads the file afresh. A change takes an exclusive lock on Quorvil.reg.lock,
// reads the file again under it, writes the new text to Quorvil.reg.tmp and renames that
// over the store, so a crash never leaves half a file and two running programs never lose
// each other's changes. A file that does not parse reads as an empty store; the first
// change moves it aside to Quorvil.reg.damaged before writing a new one. A file that
// cannot be read at all (no permission) is never replaced. Faults are logged under
// "quorvil.registry" and otherwise only show as false or nullopt.
class FileRegistry final : public Registry
{
    Q_DISABLE_COPY_MOVE(FileRegistry)

public:
    static QString defaultFolder();

    explicit FileRegistry(const QString &folder = defaultFolder());

    QString storePath() const;
    QString damagedPath() const;

    bool keyExists(const QString &keyPath) override;
    std::optional<RegData> value(const QString &keyPath, const QString &name) override;
    bool setValue(const QString &keyPath, const QString &name, const RegData &data) override;
    bool deleteValue(const QString &keyPath, const QString &name) override;
    bool createKey(const QString &keyPath) override;
    bool deleteKey(const QString &keyPath) override;

private:
    struct Snapshot;

    Snapshot load();
    // Applies edit to the stored tree under the lock and saves the result when edit
    // returns true; the edit's answer, or false when the store could not be saved.
    bool change(const std::function<bool(RegistryTree &)> &edit);
    bool save(const QByteArray &text);
    void warn(const QString &message);

    QString m_folder;
    QString m_lastWarning;
};

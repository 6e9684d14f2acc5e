#include "platform/FileRegistry.h"

#include "platform/RegeditFormat.h"
#include "app/rules/RegistryTree.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcRegistry, "quorvil.registry")

const QString kStoreName = QStringLiteral("Quorvil.reg");

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// An exclusive flock(2) on the lock file beside the store, held for one change. The lock
// file is never removed: removing it would let two writers lock two different files.
class StoreLock final
{
    Q_DISABLE_COPY_MOVE(StoreLock)

public:
    explicit StoreLock(const QString &path)
        : m_fd(::open(nativePath(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd < 0) {
            m_error = errnoText();
            return;
        }
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_error = errnoText();
                return;
            }
        }
        m_locked = true;
    }

    ~StoreLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool opened() const { return m_fd >= 0; }
    bool locked() const { return m_locked; }
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_locked = false;
    QString m_error;
};

} // namespace

struct FileRegistry::Snapshot
{
    enum class State { Missing, Valid, Damaged, Unreadable };

    State state = State::Missing;
    RegistryTree tree;
    QByteArray text;
};

QString FileRegistry::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quorvil");
}

FileRegistry::FileRegistry(const QString &folder)
    : m_folder(folder)
{
}

QString FileRegistry::storePath() const
{
    return m_folder + QLatin1Char('/') + kStoreName;
}

QString FileRegistry::damagedPath() const
{
    return storePath() + QStringLiteral(".damaged");
}

FileRegistry::Snapshot FileRegistry::load()
{
    QFile file(storePath());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return {Snapshot::State::Unreadable, {}, {}};
    }
    // One byte more than the parser takes, so that a larger file is refused, not cut.
    QByteArray text = file.read(kMaxRegeditBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        warn(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return {Snapshot::State::Unreadable, {}, {}};
    }
    RegeditParse parsed = parseRegedit(text);
    if (!parsed.tree) {
        warn(QStringLiteral("%1 is damaged (%2); it reads as empty and is kept as %3 on the next change")
                 .arg(file.fileName(), parsed.error, damagedPath()));
        return {Snapshot::State::Damaged, {}, std::move(text)};
    }
    m_lastWarning.clear();
    return {Snapshot::State::Valid, std::move(*parsed.tree), std::move(text)};
}

bool FileRegistry::change(const std::function<bool(RegistryTree &)> &edit)
{
    if (!QDir().mkpath(m_folder)) {
        warn(QStringLiteral("cannot create the folder %1").arg(m_folder));
        return false;
    }
    const StoreLock lock(storePath() + QStringLiteral(".lock"));
    if (!lock.opened()) {
        warn(QStringLiteral("cannot open the lock file in %1: %2").arg(m_folder, lock.error()));
        return false;
    }
    // Without a lock (a file system that has none) the change is still atomic; only a
    // change made by another program at the same moment could be lost.
    if (!lock.locked())
        warn(QStringLiteral("cannot lock the store in %1: %2").arg(m_folder, lock.error()));

    Snapshot snapshot = load();
    if (snapshot.state == Snapshot::State::Unreadable)
        return false;
    if (!edit(snapshot.tree))
        return false;
    const QByteArray text = writeRegedit(snapshot.tree);
    if (snapshot.state == Snapshot::State::Valid && text == snapshot.text)
        return true;
    if (text.size() > kMaxRegeditBytes) {
        warn(QStringLiteral("refusing a change that would grow %1 beyond %2 bytes").arg(storePath()).arg(kMaxRegeditBytes));
        return false;
    }
    if (snapshot.state == Snapshot::State::Damaged
        && std::rename(nativePath(storePath()).constData(), nativePath(damagedPath()).constData()) != 0) {
        warn(QStringLiteral("cannot keep the damaged %1 aside: %2").arg(storePath(), errnoText()));
        return false;
    }
    return save(text);
}

bool FileRegistry::save(const QByteArray &text)
{
    // The temporary name can be fixed: only the holder of the lock writes it.
    const QString temporaryPath = storePath() + QStringLiteral(".tmp");
    QFile file(temporaryPath);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size()
                      && file.flush();
    if (!written || ::fsync(file.handle()) != 0) {
        warn(QStringLiteral("cannot write %1: %2").arg(temporaryPath, written ? errnoText() : file.errorString()));
        file.close();
        QFile::remove(temporaryPath);
        return false;
    }
    file.close();
    if (std::rename(nativePath(temporaryPath).constData(), nativePath(storePath()).constData()) != 0) {
        warn(QStringLiteral("cannot replace %1: %2").arg(storePath(), errnoText()));
        QFile::remove(temporaryPath);
        return false;
    }
    return true;
}

void FileRegistry::warn(const QString &message)
{
    // Start-up reads some two hundred values; one damaged file is worth one line.
    if (message == m_lastWarning)
        return;
    m_lastWarning = message;
    qCWarning(lcRegistry).noquote() << message;
}

bool FileRegistry::keyExists(const QString &keyPath)
{
    return load().tree.keyExists(keyPath);
}

std::optional<RegData> FileRegistry::value(const QString &keyPath, const QString &name)
{
    return load().tree.value(keyPath, name);
}

bool FileRegistry::setValue(const QString &keyPath, const QString &name, const RegData &data)
{
    return change([&](RegistryTree &tree) { return tree.setValue(keyPath, name, data); });
}

bool FileRegistry::deleteValue(const QString &keyPath, const QString &name)
{
    return change([&](RegistryTree &tree) { return tree.deleteValue(keyPath, name); });
}

bool FileRegistry::createKey(const QString &keyPath)
{
    return change([&](RegistryTree &tree) { return tree.createKey(keyPath); });
}

bool FileRegistry::deleteKey(const QString &keyPath)
{
    return change([&](RegistryTree &tree) { return tree.deleteKey(keyPath); });
}

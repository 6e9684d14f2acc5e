#include "platform/FileRegistry.h"

#include "core/RegistryTree.h"
#include "platform/FileHandle.h"
#include "platform/RegeditFormat.h"
#include "platform/StoreFileReplace.h"
#include "platform/StoreLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcRegistry, "quorvil.registry")

const QString kStoreName = QStringLiteral("Quorvil.reg");
const QString kDamagedPrefix = QStringLiteral("Quorvil.reg.damaged-");
constexpr int kMaxLinkHops = 40;

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString errnoText(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What tells one version of the file from another without reading it: a change replaces
// the file, so at least the inode differs, and a writer in place changes size or time.
// The status change time also moves when the file's permissions change, so a file made
// unreadable is not read from memory.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileIdentity of(const struct stat &st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

    friend bool operator==(const FileIdentity &a, const FileIdentity &b)
    {
        return a.device == b.device && a.inode == b.inode && a.size == b.size
            && a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec
            && a.changed.tv_sec == b.changed.tv_sec && a.changed.tv_nsec == b.changed.tv_nsec;
    }
};

// The file a path finally names, following symbolic links (a target that does not exist
// yet included); nullopt for a loop or a link that cannot be read.
std::optional<QString> followLinks(QString path)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(nativePath(path).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(nativePath(path).constData(), target, sizeof target);
        if (length < 0 || length == ssize_t(sizeof target))
            return std::nullopt;
        const QString next = QFile::decodeName(QByteArray(target, length));
        path = QDir::isAbsolutePath(next) ? next : QFileInfo(path).absolutePath() + QLatin1Char('/') + next;
    }
    return std::nullopt;
}

} // namespace

struct FileRegistry::Snapshot
{
    // Unknown: not looked at yet, or edited and then not saved. TooLarge is a damaged
    // store whose fault is its size.
    enum class State { Unknown, Missing, Valid, Damaged, TooLarge, Unreadable };

    State state = State::Unknown;
    RegistryTree tree;
    QByteArray text;       // Valid: the bytes the tree came from, so an edit that changes nothing writes nothing
    FileIdentity identity; // Valid, Damaged, TooLarge: the file they came from
    QString reason;        // Unreadable: why
    QString keptAs;        // Damaged, TooLarge: the copy kept of it, once made

    bool damaged() const { return state == State::Damaged || state == State::TooLarge; }
};

// What one change came to: whether it was made, and, when it could not be saved, the
// problem to tell.
struct FileRegistry::Outcome
{
    bool made = false;
    StoreProblem failure;
};

QString FileRegistry::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quorvil");
}

FileRegistry::FileRegistry(const QString &folder)
    : m_folder(folder)
    , m_snapshot(std::make_unique<Snapshot>())
{
}

FileRegistry::~FileRegistry() = default;

QString FileRegistry::storePath() const
{
    return m_folder + QLatin1Char('/') + kStoreName;
}

QStringList FileRegistry::damagedCopies() const
{
    QStringList names = QDir(m_folder).entryList({kDamagedPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden,
                                                 QDir::Name | QDir::Reversed);
    for (QString &name : names)
        name.prepend(m_folder + QLatin1Char('/'));
    return names;
}

FileRegistry::Snapshot &FileRegistry::current()
{
    Snapshot &cached = *m_snapshot;
    struct stat st;
    if (::stat(nativePath(storePath()).constData(), &st) != 0) {
        if (errno == ENOENT) {
            if (cached.state != Snapshot::State::Missing)
                cached = Snapshot{Snapshot::State::Missing, {}, {}, {}, {}, {}};
            return cached;
        }
        return unreadable(errnoText());
    }
    const bool parsed = cached.state == Snapshot::State::Valid || cached.damaged();
    if (parsed && cached.identity == FileIdentity::of(st))
        return cached;
    return readFile();
}

FileRegistry::Snapshot &FileRegistry::unreadable(const QString &reason)
{
    *m_snapshot = Snapshot{Snapshot::State::Unreadable, {}, {}, {}, reason, {}};
    warn(QStringLiteral("cannot read %1: %2").arg(storePath(), reason));
    return *m_snapshot;
}

FileRegistry::Snapshot &FileRegistry::readFile()
{
    // Not blocking: a named pipe in the store's place must not hang the program.
    const FileHandle file(::open(nativePath(storePath()).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st;
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0)
        return unreadable(errnoText());
    if (S_ISDIR(st.st_mode))
        return unreadable(errnoText(EISDIR));
    if (!S_ISREG(st.st_mode))
        return unreadable(QStringLiteral("not a regular file"));
    // One byte more than the parser takes, so that a larger file is refused, not cut.
    QByteArray text(qsizetype(std::min<off_t>(st.st_size, kMaxRegeditBytes) + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(file.fd(), text.data() + filled, size_t(text.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(errnoText());
        if (got == 0)
            break;
        filled += got;
    }
    text.truncate(filled);

    // The identity of what was read, not of what the path named a moment before.
    const FileIdentity identity = FileIdentity::of(st);
    if (text.size() > kMaxRegeditBytes) {
        warn(QStringLiteral("%1 is too large (more than %2 bytes); it reads as empty and a copy is kept before it is "
                            "replaced")
                 .arg(storePath())
                 .arg(kMaxRegeditBytes));
        *m_snapshot = Snapshot{Snapshot::State::TooLarge, {}, {}, identity, {}, {}};
        return *m_snapshot;
    }
    ++m_parseCount;
    RegeditParse parsed = parseRegedit(text);
    if (!parsed.tree) {
        warn(QStringLiteral("%1 is damaged (%2); it reads as empty and a copy is kept before it is replaced")
                 .arg(storePath(), parsed.error));
        *m_snapshot = Snapshot{Snapshot::State::Damaged, {}, {}, identity, {}, {}};
        return *m_snapshot;
    }
    m_lastWarning.clear();
    *m_snapshot = Snapshot{Snapshot::State::Valid, std::move(*parsed.tree), std::move(text), identity, {}, {}};
    return *m_snapshot;
}

std::optional<FileRegistry::Outcome> FileRegistry::withoutSaving(const std::function<bool(RegistryTree &)> &edit)
{
    Snapshot &now = current();
    if (now.state == Snapshot::State::Unreadable)
        return Outcome{false, problem()};
    RegistryTree trial = now.tree;
    if (!edit(trial))
        return Outcome{};
    if (now.state == Snapshot::State::Valid && writeRegedit(trial) == now.text)
        return Outcome{true, {}};
    return std::nullopt;
}

FileRegistry::Outcome FileRegistry::change(const std::function<bool(RegistryTree &)> &edit)
{
    if (const std::optional<Outcome> done = withoutSaving(edit))
        return *done;

    if (!QDir().mkpath(m_folder))
        return notSaved(QStringLiteral("cannot create the folder %1").arg(m_folder), errnoText());
    // Right after a long wait for another program's lock, the next changes do not wait
    // again: a run of writes (those of the exit) gives up after one wait, not after one
    // wait each.
    const StoreLock lock(storePath() + QStringLiteral(".lock"),
                         m_noLockWait.hasExpired() ? kLockWait : std::chrono::milliseconds(0));
    if (!lock.opened())
        return notSaved(QStringLiteral("cannot open the lock file in %1").arg(m_folder), lock.error());
    if (lock.busy()) {
        m_noLockWait.setRemainingTime(kLockWait);
        return notSaved(QStringLiteral("another program holds the lock of %1").arg(storePath()),
                        QStringLiteral("another program kept it locked"));
    }
    m_noLockWait = QDeadlineTimer();
    // Without a lock (a file system that has none) the change is still atomic; only a
    // change made by another program at the same moment could be lost.
    if (!lock.locked())
        warn(QStringLiteral("cannot lock the store in %1: %2").arg(m_folder, lock.error()));

    Snapshot &snapshot = current();
    if (snapshot.state == Snapshot::State::Unreadable)
        return {false, problem()};
    if (!edit(snapshot.tree))
        return {};
    // The edit changed the parsed tree in place; whatever goes wrong from here, the next
    // call reads the file again, or, for a damaged file, keeps the name of its copy.
    const QByteArray text = writeRegedit(snapshot.tree);
    if (snapshot.state == Snapshot::State::Valid && text == snapshot.text)
        return {true, {}};
    const auto fail = [this, &snapshot](const QString &what, const QString &reason) {
        if (snapshot.damaged())
            snapshot.tree = RegistryTree();
        else
            snapshot = Snapshot{};
        return notSaved(what, reason);
    };
    if (text.size() > kMaxRegeditBytes) {
        return fail(QStringLiteral("refusing a change that would grow %1 beyond %2 bytes")
                        .arg(storePath())
                        .arg(kMaxRegeditBytes),
                    QStringLiteral("it would grow larger than %1 MiB").arg(kMaxRegeditBytes >> 20));
    }
    if (snapshot.damaged() && snapshot.keptAs.isEmpty()) {
        snapshot.keptAs = keepDamagedCopy();
        if (snapshot.keptAs.isEmpty())
            return fail(QStringLiteral("cannot keep a copy of the damaged %1").arg(storePath()),
                        QStringLiteral("no copy of the damaged file could be kept"));
    }
    const std::optional<QString> target = followLinks(storePath());
    if (!target)
        return fail(QStringLiteral("cannot follow the link %1").arg(storePath()), errnoText(ELOOP));
    // Settings hold file paths: a new store is for its user's eyes only.
    struct stat written;
    QString error;
    if (!replaceStoreFile(*target, text, 0600, &written, &error))
        return fail(QStringLiteral("cannot replace %1").arg(*target), error);

    // What was written is what the next call finds, unless another process replaces it.
    snapshot.state = Snapshot::State::Valid;
    snapshot.text = text;
    snapshot.identity = FileIdentity::of(written);
    snapshot.keptAs.clear();
    m_lastWarning.clear();
    ++m_replaceCount;
    return {true, {}};
}

FileRegistry::Outcome FileRegistry::notSaved(const QString &what, const QString &reason)
{
    warn(what + QStringLiteral(": ") + reason);
    return {false, {StoreProblem::Kind::NotSaved, storePath(), {}, reason}};
}

bool FileRegistry::finish(const Outcome &outcome)
{
    if (outcome.failure.kind != StoreProblem::Kind::None)
        reportSaveFailure(outcome.failure);
    return outcome.made;
}

QString FileRegistry::keepDamagedCopy()
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString copy = m_folder + QLatin1Char('/') + kDamagedPrefix + stamp;
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = m_folder + QLatin1Char('/') + kDamagedPrefix + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::copy(storePath(), copy)) {
        warn(QStringLiteral("cannot keep a copy of the damaged %1 as %2").arg(storePath(), copy));
        return {};
    }
    const QStringList copies = damagedCopies();
    for (qsizetype i = kKeptDamagedCopies; i < copies.size(); ++i)
        QFile::remove(copies.at(i));
    qCWarning(lcRegistry).noquote() << QStringLiteral("kept the damaged %1 as %2").arg(storePath(), copy);
    return copy;
}

void FileRegistry::warn(const QString &message)
{
    // Start-up reads some two hundred values; one bad file is worth one line.
    if (message == m_lastWarning)
        return;
    m_lastWarning = message;
    qCWarning(lcRegistry).noquote() << message;
}

bool FileRegistry::keyExists(const QString &keyPath)
{
    return current().tree.keyExists(keyPath);
}

std::optional<RegData> FileRegistry::value(const QString &keyPath, const QString &name)
{
    return current().tree.value(keyPath, name);
}

bool FileRegistry::setValue(const QString &keyPath, const QString &name, const RegData &data)
{
    return finish(change([&](RegistryTree &tree) { return tree.setValue(keyPath, name, data); }));
}

bool FileRegistry::deleteValue(const QString &keyPath, const QString &name)
{
    return finish(change([&](RegistryTree &tree) { return tree.deleteValue(keyPath, name); }));
}

bool FileRegistry::createKey(const QString &keyPath)
{
    return finish(change([&](RegistryTree &tree) { return tree.createKey(keyPath); }));
}

bool FileRegistry::deleteKey(const QString &keyPath)
{
    return finish(change([&](RegistryTree &tree) { return tree.deleteKey(keyPath); }));
}

bool FileRegistry::write(const QList<RegWrite> &batch)
{
    return update([&batch](Registry &) { return batch; });
}

bool FileRegistry::update(const std::function<QList<RegWrite>(Registry &now)> &batchFor)
{
    qsizetype size = 0;
    qsizetype made = 0;
    // The batch is made again from the store as the lock finds it; reading *this then
    // reads that, since only the lock's holder replaces the file.
    const bool saved = finish(change([&](RegistryTree &tree) {
        const QList<RegWrite> batch = batchFor(*this);
        size = batch.size();
        made = tree.write(batch);
        return made > 0;
    }));
    return (saved || size == 0) && made == size;
}

StoreProblem FileRegistry::problem()
{
    Snapshot &snapshot = current();
    switch (snapshot.state) {
    case Snapshot::State::Unknown:
    case Snapshot::State::Missing:
    case Snapshot::State::Valid:
        return {};
    case Snapshot::State::Unreadable:
        return {StoreProblem::Kind::Unreadable, storePath(), {}, snapshot.reason};
    case Snapshot::State::Damaged:
    case Snapshot::State::TooLarge:
        if (snapshot.keptAs.isEmpty())
            snapshot.keptAs = keepDamagedCopy();
        return {snapshot.state == Snapshot::State::TooLarge ? StoreProblem::Kind::TooLarge : StoreProblem::Kind::Damaged,
                storePath(), snapshot.keptAs, {}};
    }
    return {};
}

// Reads and writes the settings store in a process of its own, as a second running
// program would; the store is the one $XDG_CONFIG_HOME names.
//   registryclient write <key path> <name prefix> <count>
//       creates the key, then writes the numbers 0 to count - 1 as REG_DWORD values
//       <prefix>0, <prefix>1, ..., one operation each
//   registryclient writetext <key path> <name> <text>
//       creates the key and writes the text as REG_SZ
//   registryclient read <key path> <name>
//       prints "text:<text>", "number:<n>" or "empty" in UTF-8; exits with 2 when the
//       read set gRegError
//   registryclient lock <seconds>
//       holds the store's lock, as a program stopped in the middle of a change would;
//       prints "locked" once it has it
#include "core/GlobalDeclarations.h"
#include "core/RegistryFunctions.h"
#include "platform/FileRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    GlobalDeclarations program;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("lock")) {
        const QString lockPath = FileRegistry().storePath() + QStringLiteral(".lock");
        QDir().mkpath(QFileInfo(lockPath).absolutePath());
        const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 1;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        ::sleep(unsigned(args.at(2).toUInt()));
        return 0;
    }
    if (args.size() < 4)
        return 1;
    FileRegistry store;
    RegistryFunctions registry(store);
    const QString &command = args.at(1);
    const QString &keyPath = args.at(2);

    if (command == QLatin1String("write") && args.size() == 5) {
        registry.CreateNewKey(HKEY_CURRENT_USER, keyPath);
        const int count = args.at(4).toInt();
        for (int i = 0; i < count; ++i)
            registry.SetKeyValue(HKEY_CURRENT_USER, keyPath, args.at(3) + QString::number(i), i, REG_DWORD);
        return 0;
    }
    if (command == QLatin1String("writetext") && args.size() == 5) {
        registry.CreateNewKey(HKEY_CURRENT_USER, keyPath);
        registry.SetKeyValue(HKEY_CURRENT_USER, keyPath, args.at(3), args.at(4), REG_SZ);
        return 0;
    }
    if (command == QLatin1String("read") && args.size() == 4) {
        const RegValue value = registry.QueryValue(HKEY_CURRENT_USER, keyPath, args.at(3));
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        if (std::holds_alternative<QString>(value))
            out << "text:" << regToText(value);
        else if (std::holds_alternative<qint32>(value))
            out << "number:" << regToText(value);
        else
            out << "empty";
        out.flush();
        return globals().gRegError ? 2 : 0;
    }
    return 1;
}

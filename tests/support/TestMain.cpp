#include "support/TestMain.h"

#include "platform/PlatformSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QTemporaryDir &privateRoot()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quorvil-test-XXXXXX"));
    return dir;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
}

} // namespace

namespace TestEnvironment {

void setUp(const TestScreen &screen)
{
    const QString base = root();
    QDir().mkpath(base + QStringLiteral("/home/Documents"));
    QDir().mkpath(base + QStringLiteral("/config"));
    QDir().mkpath(base + QStringLiteral("/data"));
    QDir().mkpath(base + QStringLiteral("/runtime"));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", (base + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toLocal8Bit());
    writeFile(configHome() + QStringLiteral("/user-dirs.dirs"),
              "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");

    // A test run under a real display (QT_QPA_PLATFORM=xcb) keeps it; otherwise the
    // offscreen platform gets the screen the test asked for.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const QString json = base + QStringLiteral("/screen.json");
        writeFile(json, QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":%3}]})")
                            .arg(screen.width).arg(screen.height).arg(screen.logicalDpi).toUtf8());
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + json).toLocal8Bit());
    }
    preparePlatform();
}

QString root()
{
    return privateRoot().path();
}

QString configHome()
{
    return root() + QStringLiteral("/config");
}

QString documentsDir()
{
    return root() + QStringLiteral("/home/Documents");
}

QString settingsFile()
{
    return configHome() + QStringLiteral("/Quorvil/Quorvil.reg");
}

QByteArray settingsBytes()
{
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no store>");
}

void writeSettings(const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile f(settingsFile());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("Cannot write the settings file %s", qPrintable(settingsFile()));
}

void clearSettings()
{
    QDir(configHome() + QStringLiteral("/Quorvil")).removeRecursively();
}

} // namespace TestEnvironment

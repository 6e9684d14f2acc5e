#pragma once

#include "core/GlobalDeclarations.h"
#include "platform/PlatformSetup.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTest>

// A private world for one test program, set up before the QApplication exists:
// the offscreen platform with a chosen screen, and private XDG config, data and
// documents folders, so no test reads or writes the user's own settings.
struct TestScreen
{
    int width = 1024;
    int height = 768;
    int logicalDpi = 96;
};

namespace TestEnvironment {

void setUp(const TestScreen &screen);
QString root();          // the private folder that holds everything below
QString configHome();    // $XDG_CONFIG_HOME
QString documentsDir();  // the documents folder QStandardPaths reports
QString settingsFile();  // the settings store's file
QByteArray settingsBytes(); // its bytes, or "<no store>"
void writeSettings(const QByteArray &bytes); // replaces the store's file with these bytes
void clearSettings();    // removes the store (and its lock and backups)

} // namespace TestEnvironment

#define QUORVIL_TEST_MAIN_SCREEN(TestClass, ...)                                                   \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestEnvironment::setUp(TestScreen{__VA_ARGS__});                                           \
        QApplication app(argc, argv);                                                              \
        GlobalDeclarations program;                                                                \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define QUORVIL_TEST_MAIN(TestClass) QUORVIL_TEST_MAIN_SCREEN(TestClass, 1024, 768, 96)

// The default screen, with font files of the tests' own (paths, e.g. QUORVIL_TEST_FONTS "/x.ttf")
// made visible to fontconfig and Qt before the QApplication exists.
#define QUORVIL_TEST_MAIN_WITH_FONTS(TestClass, ...)                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestEnvironment::setUp(TestScreen{});                                                      \
        for (const QString &file : QStringList{__VA_ARGS__}) {                                     \
            if (!addPrivateFontFile(file))                                                         \
                qFatal("Cannot add the test font %s", qPrintable(file));                           \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        GlobalDeclarations program;                                                                \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

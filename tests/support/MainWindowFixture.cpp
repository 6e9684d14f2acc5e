#include "support/MainWindowFixture.h"

#include "app/rules/GlobalDeclarations.h"

#include <QCoreApplication>

MainWindowFixture::MainWindowFixture(int screenWidth, int screenHeight)
    : display(screenWidth, screenHeight)
{
    globals() = GlobalDeclarations{};
}

Services MainWindowFixture::services()
{
    Services s;
    s.display = &display;
    s.fileChecks = &fileChecks;
    s.userName = &userName;
    s.shell = &shell;
    return s;
}

bool MainWindowFixture::start(const QStringList &commandLine)
{
    m_window = std::make_unique<Quorvil>(services(), QStringList{QStringLiteral("quorvil")} + commandLine);
    const bool running = m_window->start();
    QCoreApplication::processEvents(); // the first activation
    return running;
}

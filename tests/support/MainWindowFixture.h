#pragma once

#include "app/Quorvil.h"
#include "platform/Services.h"
#include "platform/fakes/FakeDisplay.h"
#include "platform/fakes/FakeFileChecks.h"
#include "platform/fakes/FakeShell.h"
#include "platform/fakes/FakeUserName.h"

#include <QStringList>

#include <memory>

// A main window over fake platform services, for tests that drive the real window.
class MainWindowFixture final
{
public:
    explicit MainWindowFixture(int screenWidth = 1024, int screenHeight = 768);

    // Creates the window with a command line (the program name is added first) and runs
    // its start-up; false when the program ended during it.
    bool start(const QStringList &commandLine = {});
    Quorvil &window() { return *m_window; }
    QuorvilControls &controls() { return m_window->controls(); }
    MainState &state() { return m_window->state(); }

    FakeDisplay display;
    FakeFileChecks fileChecks;
    FakeUserName userName;
    FakeShell shell;

    Services services() ;

private:
    std::unique_ptr<Quorvil> m_window;
};

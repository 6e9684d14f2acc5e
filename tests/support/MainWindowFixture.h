#pragma once

#include "app/Quorvil.h"
#include "core/GlobalDeclarations.h"
#include "platform/FcFontCatalog.h"
#include "platform/FileRegistry.h"
#include "platform/FtCodePage.h"
#include "platform/Services.h"
#include "platform/fakes/FakeClipboard.h"
#include "platform/fakes/FakeCodePage.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/FakeDisplay.h"
#include "platform/fakes/FakeFileChecks.h"
#include "platform/fakes/FakeFontCatalog.h"
#include "platform/fakes/FakeKeyboardLocks.h"
#include "platform/fakes/FakeShell.h"
#include "platform/fakes/FakeUserName.h"

#include <QStringList>

class QLabel;
class QLineEdit;

#include <memory>

// A main window over fake platform services, for tests that drive the real window.
class MainWindowFixture final
{
    // A fresh program state, current while the fixture lives; the window ends before it.
    GlobalDeclarations m_program;

public:
    // `seeded`: the private settings store starts as a first run left it (the first-run
    // question answered Yes); otherwise it starts empty.
    enum class Store { Seeded, Empty, AsItIs };
    // `Fake` fonts: a small declared catalogue (the stand-in for Arial and two DejaVu
    // families), for tests that do not draw or measure real fonts.
    enum class Fonts { Installed, Fake };
    explicit MainWindowFixture(int screenWidth = 1024, int screenHeight = 768, Store store = Store::Seeded,
                               Fonts fonts = Fonts::Installed);

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
    FileRegistry registry;
    FakeClipboard clipboard;
    FakeKeyboardLocks keyboardLocks;
    // The installed fonts (with any the test program added), and scripted common dialogs.
    FcFontCatalog fonts;
    FtCodePage codePage{fonts};
    FakeFontCatalog fakeFonts;
    FakeCodePage fakeCodePage;
    FakeCommonDialog dialog;
    // When set before start(), the window uses this clipboard (the system's, say) instead
    // of the fake.
    Clipboard *clipboardService = nullptr;
    // Likewise for the common dialogs (Qt's own, say).
    CommonDialog *dialogService = nullptr;

    Services services();

private:
    std::unique_ptr<Quorvil> m_window;
    Fonts m_fonts = Fonts::Installed;
};

// The user picks the font of that name in the font box with the mouse.
void chooseFont(MainWindowFixture &f, const QString &name);

// The TextBoard font the store holds for the next start.
void setSavedFont(MainWindowFixture &f, const QString &name);

// The user clicks a number that edits in place, checks that its edit opened over it with the
// number all selected, types `typed` over it and ends with `key` (Enter or Esc); the edit has
// closed.
void editInPlace(QLabel *number, QLineEdit *edit, const QString &typed, Qt::Key key);

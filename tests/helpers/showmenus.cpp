// Starts the real main window on a settings store of its own and shows one of its menus
// opened, or the full-screen preview, and stays open, for screenshots:
//   showmenus menu ItemFile|ItemEdit|ItemView|ItemFormat|ItemTools|ItemDisplay|ItemHelp
//   showmenus preview
// The Help menu offers Contents when the program finds the user guide beside itself: copy this
// program next to the built quorvil to show it.
#include "app/Quorvil.h"
#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"
#include "support/MessageDriver.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// As a click on its title does: the menu gets its items as it opens.
void openMenu(Quorvil &window, const QString &name)
{
    if (QAction *title = window.controls().menu->item(name))
        window.menuBar()->setActiveAction(title);
}

void showPreview(Quorvil &window)
{
    QString text;
    for (int i = 1; i <= 12; ++i)
        text += QStringLiteral("Line %1: \u00c0 \u00e9 \u00df \u00a9 \u00bd \u00a7 \u00b6 \u2020 \u2122 "
                               "every character of your font, one click away.\r\n")
                    .arg(i);
    window.controls().TextBoard->setText(text);
    window.controls().TextBoard->setSelStart(40);
    TextBoardFormat &format = window.textBoardFormat();
    format.SetTBBold(1);
    format.SetTBAlignment(2);
    format.SetTBForeColor(QBColor(4));
    window.commands().trigger(QStringLiteral("ToolsFS"));
}

} // namespace

int main(int argc, char **argv)
{
    // A store of our own, so the user's settings are neither read nor changed.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    MessageDriver firstRun;
    firstRun.yes();
    ProductionServices services;
    Quorvil window(services.services(), {QStringLiteral("quorvil")});
    if (!window.start())
        return 0;
    const QStringList args = app.arguments();
    QTimer::singleShot(500, [&] {
        if (args.value(1) == QLatin1String("preview"))
            showPreview(window);
        else
            openMenu(window, args.value(2));
    });
    return app.exec();
}

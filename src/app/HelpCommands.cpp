#include "app/HelpCommands.h"

#include "widgets/ModalDialog.h"

#include "app/About.h"
#include "app/rules/GlobalDeclarations.h"
#include "app/rules/ProductInfo.h"
#include "platform/Shell.h"

#include <QCoreApplication>

HelpCommands::HelpCommands(Shell &shell, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_shell(shell)
    , m_window(window)
{
}

QString HelpCommands::helpFileName()
{
    // The help document is an HTML page shipped beside the program.
    return globals().gAppName + QStringLiteral("300.html");
}

QString HelpCommands::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void HelpCommands::HelpContents_Click()
{
    m_shell.open(programFolder() + QLatin1Char('/') + helpFileName());
}

void HelpCommands::HelpReadme_Click()
{
    m_shell.open(programFolder() + QStringLiteral("/Readme.html"));
}

void HelpCommands::HelpCheckUpd_Click()
{
    m_shell.open(ProductInfo::homePage() + QStringLiteral("/updateinfo"));
}

void HelpCommands::HelpVisit_Click()
{
    m_shell.open(ProductInfo::homePage());
}

void HelpCommands::HelpFeedback_Click()
{
    m_shell.open(QStringLiteral("mailto:") + ProductInfo::feedbackAddress());
}

void HelpCommands::HelpAbout_Click()
{
    About box(m_window);
    execModal(box);
}

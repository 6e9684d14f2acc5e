#include "app/HelpCommands.h"

#include "widgets/ModalDialog.h"

#include "app/About.h"
#include "app/Documents.h"
#include "app/rules/ProductInfo.h"
#include "platform/Shell.h"

#include <QCoreApplication>

namespace {

QStringList documentFolders()
{
    return Documents::folders(QCoreApplication::applicationDirPath());
}

} // namespace

HelpCommands::HelpCommands(Shell &shell, FileChecks &checks, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_shell(shell)
    , m_checks(checks)
    , m_window(window)
{
}

QString HelpCommands::helpDocument() const
{
    return Documents::find(m_checks, Documents::helpFileName(), documentFolders());
}

QString HelpCommands::readmeDocument() const
{
    return Documents::find(m_checks, Documents::readmeFileName(), documentFolders());
}

void HelpCommands::openDocument(const QString &path)
{
    // A missing document does nothing and says nothing, like any failed shell request.
    if (!path.isEmpty())
        m_shell.open(path);
}

void HelpCommands::HelpContents_Click()
{
    openDocument(helpDocument());
}

void HelpCommands::HelpReadme_Click()
{
    openDocument(readmeDocument());
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

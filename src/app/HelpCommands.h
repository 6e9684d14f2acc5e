#pragma once

#include <QObject>

class FileChecks;
class Shell;
class QWidget;

// The Help menu: the user guide, the Readme, the web pages, feedback and About.
class HelpCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpCommands)

public:
    HelpCommands(Shell &shell, FileChecks &checks, QWidget *window, QObject *parent = nullptr);

    // The documents as the Help commands open them, looked up on each call; empty when
    // the program has none. Help > Contents is offered only when helpDocument() is not empty.
    QString helpDocument() const;
    QString readmeDocument() const;

    void HelpContents_Click();
    void HelpReadme_Click();
    void HelpCheckUpd_Click();
    void HelpVisit_Click();
    void HelpFeedback_Click();
    void HelpAbout_Click();

private:
    void openDocument(const QString &path);

    Shell &m_shell;
    FileChecks &m_checks;
    QWidget *m_window = nullptr;
};

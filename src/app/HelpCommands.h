#pragma once

#include <QObject>

class Shell;
class QWidget;

// The Help menu: the help document, the Readme, the web pages, feedback and About.
class HelpCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpCommands)

public:
    HelpCommands(Shell &shell, QWidget *window, QObject *parent = nullptr);

    // The help document ("Quorvil300" after the product name) and the Readme, in the program's folder.
    static QString helpFileName();
    static QString programFolder();

    void HelpContents_Click();
    void HelpReadme_Click();
    void HelpCheckUpd_Click();
    void HelpVisit_Click();
    void HelpFeedback_Click();
    void HelpAbout_Click();

private:
    Shell &m_shell;
    QWidget *m_window = nullptr;
};

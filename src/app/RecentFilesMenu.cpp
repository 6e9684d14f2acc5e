#include "app/RecentFilesMenu.h"

#include "app/MainMenu.h"
#include "app/rules/MainState.h"

#include <QAction>

RecentFilesMenu::RecentFilesMenu(MainMenu &menu, MainState &state)
    : m_menu(menu)
    , m_s(state)
{
}

void RecentFilesMenu::UpdateFileMRU(const QString &path)
{
    pushRecentFile(m_s.FileMRUList, path);
    QString folder = m_s.FileMRUList(1).folder;
    folder.chop(1);
    m_s.TBLoadFolder = folder;
    showFileList();
}

void RecentFilesMenu::showFileList()
{
    const auto &list = m_s.FileMRUList;
    for (int i = 1; i <= list.kMax && list(i).inUse(); ++i) {
        QAction *item = m_menu.item(QStringLiteral("FileMRU(%1)").arg(i));
        item->setText(recentFileCaption(i, list(i).name));
        item->setVisible(true);
    }
    m_menu.setVisible(QStringLiteral("FileSep3"), m_menu.item(QStringLiteral("FileMRU(1)"))->isVisible());
}

#include "app/RecentFilesMenu.h"

#include "widgets/MainMenu.h"
#include "app/rules/MainState.h"

#include <QAction>
#include <QMenu>

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
    showList(m_s.FileMRUList, QStringLiteral("FileMRU"), QStringLiteral("FileSep3"));
}

void RecentFilesMenu::LoadSaveTB_ButtonDropDown(QMenu *dropDown) const
{
    dropDown->clear();
    for (int i = 1; i <= m_s.FileMRUList.kMax && m_s.FileMRUList(i).inUse(); ++i)
        dropDown->addAction(m_menu.item(QStringLiteral("FileMRU(%1)").arg(i))->text().mid(3));
}

void RecentFilesMenu::showLists()
{
    showList(m_s.FileMRUList, QStringLiteral("FileMRU"), QStringLiteral("FileSep3"));
    showList(m_s.CFMRUList, QStringLiteral("CFMRU"), QStringLiteral("FileSep2"));
}

template<int Max>
void RecentFilesMenu::showList(const RecentFileList<Max> &list, const QString &itemName, const QString &separator)
{
    for (int i = 1; i <= Max && list(i).inUse(); ++i) {
        QAction *item = m_menu.item(QStringLiteral("%1(%2)").arg(itemName).arg(i));
        item->setText(QStringLiteral("&%1 %2").arg(i).arg(list(i).name));
        item->setVisible(true);
    }
    m_menu.setVisible(separator, m_menu.item(itemName + QStringLiteral("(1)"))->isVisible());
}

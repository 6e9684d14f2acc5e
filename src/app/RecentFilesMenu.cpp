#include "app/RecentFilesMenu.h"

#include "app/CheckFilePath.h"
#include "app/rules/MainState.h"
#include "textboard/TextBoardDocument.h"
#include "widgets/Message.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"

#include <QAction>
#include <QMenu>

namespace {

// The folder of the newest entry, without its trailing separator.
template<int Max>
QString newestFolder(const RecentFileList<Max> &list)
{
    QString folder = list(1).folder;
    folder.chop(1);
    return folder;
}

} // namespace

RecentFilesMenu::RecentFilesMenu(MainMenu &menu, MainState &state, TextBoardDocument &document,
                                 ActionCollection &commands, FileChecks &checks, const FontMapColors &schemeColors,
                                 Loaders loaders)
    : m_menu(menu)
    , m_s(state)
    , m_document(document)
    , m_checks(checks)
    , m_schemeColors(schemeColors)
    , m_loaders(std::move(loaders))
{
    for (int i = 1; i <= m_s.FileMRUList.kMax; ++i)
        commands.onTriggered(QStringLiteral("FileMRU(%1)").arg(i), &m_menu, [this, i] { FileMRU_Click(i); });
    for (int i = 1; i <= m_s.CFMRUList.kMax; ++i)
        commands.onTriggered(QStringLiteral("CFMRU(%1)").arg(i), &m_menu, [this, i] { CFMRU_Click(i); });
}

void RecentFilesMenu::UpdateFileMRU(const QString &path)
{
    pushRecentFile(m_s.FileMRUList, path);
    m_document.setTBLoadFolder(newestFolder(m_s.FileMRUList));
    showList(m_s.FileMRUList, QStringLiteral("FileMRU"), QStringLiteral("FileSep3"));
}

void RecentFilesMenu::UpdateCFMRU(const QString &path)
{
    pushRecentFile(m_s.CFMRUList, path);
    m_s.fontMap.setCFMLoadFolder(newestFolder(m_s.CFMRUList));
    showList(m_s.CFMRUList, QStringLiteral("CFMRU"), QStringLiteral("FileSep2"));
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
        item->setText(recentFileCaption(i, list(i).name));
        item->setVisible(true);
    }
    m_menu.setVisible(separator, m_menu.item(itemName + QStringLiteral("(1)"))->isVisible());
}

void RecentFilesMenu::FileMRU_Click(int index)
{
    const RecentFile entry = m_s.FileMRUList(index);
    const QString path = entry.path();
    if (!m_loaders.checkLoadedFile(path))
        return;
    if (!CheckFilePath(m_checks, path, messageTitle(" File Load Error"), m_schemeColors))
        return;
    m_document.setTBLoadFolder(entry.folder);
    m_document.setOpenFile(path, entry.name);
    m_loaders.loadTextFile(path);
}

void RecentFilesMenu::CFMRU_Click(int index)
{
    const RecentFile entry = m_s.CFMRUList(index);
    const QString path = entry.path();
    if (!CheckFilePath(m_checks, path, messageTitle(" Custom Map Load Error"), m_schemeColors))
        return;
    m_s.fontMap.setCFMLoadFolder(entry.folder);
    m_s.fontMap.setCFMOpenPath(path);
    m_s.fontMap.setCFMOpenName(entry.name);
    m_loaders.loadCustomMap(path);
}

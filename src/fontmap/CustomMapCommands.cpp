#include "fontmap/CustomMapCommands.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/CustomMapLoader.h"
#include "fontmap/FontMapCommands.h"
#include "fontmap/FontMapControls.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/CustomMapName.h"
#include "fontmap/rules/FontMapState.h"
#include "platform/QcmFile.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/StateBinding.h"
#include "widgets/ToolBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace {

const QString kLoadButton = QStringLiteral("CFMapLoad");
constexpr int kNameBand = 3;

} // namespace

CustomMapCommands::CustomMapCommands(FontMapControls &controls, FontMapState &state, ActionCollection &commands,
                                     CurrentCustomMap &map, const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_commands(commands)
    , m_map(map)
    , m_parts(parts)
{
    commands.onTriggered(QStringLiteral("FileCFMNew"), this, &CustomMapCommands::FileCFMNew_Click);
    commands.onTriggered(QStringLiteral("FileCFMLoad"), this, &CustomMapCommands::FileCFMLoad_Click);
    commands.onTriggered(QStringLiteral("FileCFMEdit"), this, &CustomMapCommands::FileCFMEdit_Click);
    commands.onTriggered(QStringLiteral("FileCFMUnld"), this, &CustomMapCommands::FileCFMUnld_Click);
    connect(m_c.tlbCustFMap, &ToolBar::buttonDropDown, this, [this](const QString &key) {
        if (key == kLoadButton)
            tlbCustFMap_ButtonDropDown();
    });
    connect(m_c.tlbCustFMap, &ToolBar::buttonMenuClick, this, [this](const QString &key, int index) {
        if (key == kLoadButton)
            tlbCustFMap_ButtonMenuClick(index);
    });
    showAndFollow(&m_map, &CurrentCustomMap::changed, this, &CustomMapCommands::UpdateMapCtrls);
}

void CustomMapCommands::FileCFMNew_Click()
{
    Q_EMIT editorRequested(QString());
}

void CustomMapCommands::FileCFMLoad_Click()
{
    m_parts.loader.LoadCFMapDlg();
}

void CustomMapCommands::FileCFMEdit_Click()
{
    GlobalDeclarations &g = globals();
    g.gCFMapSaved = false;
    m_s.setCFMOpenPath(m_map.path());
    m_s.setCFMOpenName(m_map.name());
    Q_EMIT editorRequested(m_s.CFMOpenPath());
    if (g.gCFMapSaved)
        m_parts.loader.LoadCFMap(m_s.CFMOpenPath());
}

void CustomMapCommands::FileCFMUnld_Click()
{
    m_s.setCFMOpenPath(QString());
    m_s.setCFMOpenName(QString());
    m_map.clear();
    m_parts.slot.close();
    m_parts.fontMap.SetupFMapCodes();
}

void CustomMapCommands::tlbCustFMap_ButtonDropDown()
{
    QMenu *menu = m_c.tlbCustFMap->buttonMenu(kLoadButton);
    menu->clear();
    const RecentFileList<5> &list = m_parts.recentMaps;
    // The entries read as the menu items do, without their "&", rank and space.
    for (int i = 1; i <= list.kMax && list(i).inUse(); ++i)
        menu->addAction(recentFileCaption(i, list(i).name).mid(3));
}

void CustomMapCommands::tlbCustFMap_ButtonMenuClick(int index)
{
    if (m_parts.recentMaps(index).path() == m_map.path()) {
        m_parts.loader.showAlreadyLoaded();
        return;
    }
    Q_EMIT recentMapChosen(index);
}

void CustomMapCommands::UpdateMapCtrls()
{
    const bool loaded = m_map.isLoaded();
    m_commands.setEnabled(QStringLiteral("FileCFMEdit"), loaded);
    m_commands.setEnabled(QStringLiteral("FileCFMUnld"), loaded);
    m_c.clbFontMap->setBandVisible(kNameBand, loaded);
    if (!loaded)
        return;
    // A long name is cut short with an ellipsis rather than running out of its label or its band.
    QLabel *label = m_c.lblCFMName;
    const int room = std::min(label->width(), m_c.pbxCFMName->width() - label->x());
    label->setText(
        QFontMetrics(label->font()).elidedText(customMapDisplayName(m_map.name()), Qt::ElideRight, std::max(room, 0)));
}

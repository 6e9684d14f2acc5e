#include "fontmap/CustomMapLoader.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/FontMapState.h"
#include "platform/CommonDialog.h"
#include "platform/QcmFile.h"
#include "widgets/Message.h"

namespace {

void showUnloadable(const QString &path, const FontMapColors &schemeColors)
{
    const QString appName = globals().gAppName;
    const QString none;
    QrvlMsgOK({none, path, QStringLiteral("This ") + appName + QStringLiteral(" Custom Map is unloadable."), none,
               QStringLiteral("It has either become corrupt"), QStringLiteral("or has been manually edited."), none,
               appName + QStringLiteral(" cannot load this Map.")},
              messageTitle(" Custom Map Load Error"), schemeColors);
}

} // namespace

std::optional<CustomMapCells> readCustomMapFile(CustomMapFileSlot &slot, const QString &path,
                                                const FontMapColors &schemeColors)
{
    // The map is validated and used from the same bytes, read once: a file that changes
    // after it was read cannot bring in anything that was not validated.
    QString error;
    const std::optional<QByteArray> bytes = slot.open(path, &error);
    std::optional<CustomMapCells> cells = bytes ? QcmFormat::parse(*bytes).cells : std::nullopt;
    if (!cells) {
        slot.close();
        showUnloadable(path, schemeColors);
    }
    return cells;
}

CustomMapLoader::CustomMapLoader(FontMapGrid &grid, FontMapState &state, CurrentCustomMap &map,
                                 CustomMapFileSlot &slot, CommonDialog &dialog, CommonDialogProperties &cmnDlg,
                                 const FontMapColors &schemeColors, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_s(state)
    , m_map(map)
    , m_slot(slot)
    , m_dialog(dialog)
    , m_cmnDlg(cmnDlg)
    , m_schemeColors(schemeColors)
{
}

void CustomMapLoader::LoadCFMap(const QString &path)
{
    const std::optional<CustomMapCells> cells = readCustomMapFile(m_slot, path, m_schemeColors);
    if (!cells)
        return;
    showMap(*cells);
    Q_EMIT mapFileUsed(path);
    m_map.setLoaded(m_s.CFMOpenPath(), m_s.CFMOpenName());
}

void CustomMapLoader::showMap(const CustomMapCells &cells)
{
    const FontCharset charset = m_grid.charset();
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        m_grid.setCaption(i, cells[i] ? QString(charForCode(cells[i], charset)) : QString());
    m_s.codeTable().fillCustomMap(cells, charset);
}

void CustomMapLoader::LoadCFMapDlg()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Filter = globals().gAppName + QStringLiteral(" Custom Map Files (*.QCM)|*.qcm");
    d.Flags = CdlFlags::FileMustExist | CdlFlags::PathMustExist | CdlFlags::HideReadOnly;
    d.InitDir = m_s.CFMLoadFolder();
    d.DialogTitle = QStringLiteral("Load a Custom Map");
    d.FileName.clear();
    if (m_dialog.ShowOpen(d) != DialogResult::Confirmed)
        return;
    const QString path = d.FileName;
    if (path == m_map.path()) {
        showAlreadyLoaded();
        return;
    }
    m_s.setCFMOpenPath(path);
    m_s.setCFMOpenName(fileTitleOf(path));
    LoadCFMap(path);
}

void CustomMapLoader::showAlreadyLoaded() const
{
    const QString none;
    QrvlMsgOK({none, none, none, m_map.path(), none, QStringLiteral("This Custom Map is already loaded.")},
              messageTitle(" Custom Map Load Error"), m_schemeColors);
}

#pragma once

#include "fontmap/CustomMapControls.h"
#include "fontmap/rules/FontListEntry.h"
#include "fontmap/rules/Charset.h"
#include "fontmap/rules/CustomMapModel.h"
#include "platform/CommonDialog.h"

#include <QDialog>

#include "platform/Services.h"

class CustomMapFileSlot;
class FontMapColors;
class QPushButton;

// What the main window hands the custom map editor for one opening.
struct CustomMapOpening
{
    QString path;       // the map to edit; empty for a new map
    QString title;      // its file title
    int fontIndex = 1;  // the font's 1-based place in the font list
    QString fontName;   // the TextBoard's font and size
    double fontSize = 10;
};

// New and Edit of the custom map commands: the editor on a new map, or on the map at
// `opening.path`, shown modal until it closes. A map that cannot be read shows the load error
// and no editor. `saveFolder` (CFMSaveFolder) is where Save As starts; it becomes the folder
// of the editor's last successful save.
void showCustomMapEditor(const Services &services, CustomMapFileSlot &slot, const FontListEntries &fontEntries,
                         const CustomMapOpening &opening, QString &saveFolder, const FontMapColors &schemeColors,
                         QWidget *parent);

// The custom map editor: a modal window in which the user builds a custom map by moving
// characters between the list of unplaced characters and a template of 224 cells, and saves
// it as a *.QCM file. The caller creates it, calls one set-up method and shows it modal; it
// lives for one opening.
//
// Every close request (Cancel, Map > Exit, the close box, Esc) goes through one path: it asks
// before unsaved changes are lost, stores the list's column count and the highlight direction,
// and sets gCFMapSaved when an edited map was saved to its own file.
class CustomMap final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomMap)

public:
    // `fontEntries`: the main window's font list, one entry per family in its order.
    // `saveFolder`: where Save As starts (CFMSaveFolder).
    CustomMap(const Services &services, CustomMapFileSlot &slot, const FontListEntries &fontEntries,
              const QString &saveFolder, const FontMapColors &schemeColors, QWidget *parent = nullptr);
    ~CustomMap() override;

    // An empty map, in the font of that 1-based index and name, at that size.
    void SetupNewCFMap(int fontIndex, const QString &fontName, double fontSize);
    // The map stored at `path` (file title `title`). False, after the load error was shown,
    // when the file cannot be read or is not a valid map: the editor is then not to be shown.
    bool SetupEditCFMap(const QString &path, const QString &title, int fontIndex, const QString &fontName,
                        double fontSize);

    const CustomMapModel &model() const { return m_model; }
    // Where the last successful save wrote, for the caller to keep as CFMSaveFolder.
    const QString &saveFolder() const { return m_saveFolder; }
    const QString &mapPath() const { return m_CFMapPath; }

protected:
    void closeEvent(QCloseEvent *event) override;
    // Esc asks to close, as the close box does.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void SetupToolTips();
    void SetTabOrder();
    void setupFontAndSize(int fontIndex, const QString &fontName, double fontSize);
    void SetCFMapFont();

    // Moves, navigation and the list.
    void cmdListToMap_Click();
    void cmdMapToList_Click();
    void lblCFMap_Click(int cell);
    void imgCMMFMapHolder_KeyDown(int key);
    void lblCFMap_MouseMove(int cell);
    void lstFontChars_Click();

    // Font, size and list columns.
    void cmbFontName_Click();
    void cmbFontName_KeyPress(int keyAscii);
    void optFontSize_Click(int index);
    void sldFontSize_Scroll();
    void sldFontSize_Change();
    void updListColumns_Change();
    void optShiftDir_Click(int index);

    // Saving and closing.
    void btnSaveCFMap_Click();
    void btnSaveAsCFMap_Click();
    void btnCancel_Click();
    void MapExit_Click();
    bool SaveMap();
    bool WriteCFMap(const QString &path);
    bool Form_QueryUnload();
    void setEditCaption();

    // Showing the model.
    QString captionOf(quint8 code) const;
    void showCell(int cell);
    void showList();
    void showListSelection();
    void showZoom(quint8 code);
    void showSelectionInZoom();
    void showCounts();
    void showCommandStates();
    // After a move from cell `from`: the list, the zoom, both cells, the counts and the
    // commands, and the focus on the button `again` (else `back`).
    void showMove(int from, QPushButton *again, QPushButton *back);

    Services m_services;
    const FontMapColors &m_schemeColors;
    CustomMapFileSlot &m_slot;
    FontListEntries m_fontEntries;
    CustomMapControls m_c;
    CustomMapModel m_model;
    CommonDialogProperties m_cmnDlg;

    bool m_MapSaved = false;
    bool m_EditMode = false;
    QString m_CFMapPath;
    QString m_CFMapTitle;
    QString m_CFMFontName;
    int m_CFMFontIndex = 1;
    FontCharset m_charset = FontCharset::Ansi;
    double m_listFontSize = 8;
    int m_cellFontSize = 8;
    quint8 m_zoomCode = 0;  // the character the zoom shows; 0 for none
    QString m_saveFolder;
};

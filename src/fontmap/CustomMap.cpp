#include "fontmap/CustomMap.h"

#include "core/GlobalDeclarations.h"
#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "fontmap/CharacterList.h"
#include "fontmap/CustomMapLoader.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CodeTable.h"
#include "fontmap/rules/FontSizeRules.h"
#include "fontmap/rules/QcmFormat.h"
#include "platform/CodePage.h"
#include "platform/FileReplace.h"
#include "platform/FontCatalog.h"
#include "platform/QcmFile.h"
#include "platform/Services.h"
#include "widgets/FontNameBox.h"
#include "widgets/Message.h"
#include "widgets/ModalDialog.h"
#include "widgets/SizeNumberEdit.h"
#include "widgets/TagToolTips.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

using Look = CustomMapModel::CellLook;
using Step = CustomMapModel::Step;

// The editor's own stored values.
const QString kEditorKey = QStringLiteral("CFMEditor");
const QString kListCols = QStringLiteral("ListCols");
const QString kShiftDir = QStringLiteral("ShiftDir");

const QString kNewCaption = QStringLiteral("Quorvil Custom Map Editor");
const QString kEditCaption = QStringLiteral("Quorvil Custom FontMap Editor");
constexpr qreal kZoomPointSize = 36;
// The list's item data: the code's index, code - 32.
constexpr int kCodeIndexRole = Qt::UserRole;

struct CellColors
{
    ColorValue fore;
    ColorValue back;
};

CellColors colorsOf(Look look)
{
    constexpr ColorValue black = rgbColor(0, 0, 0);
    constexpr ColorValue white = rgbColor(255, 255, 255);
    switch (look) {
    case Look::Design:
        return {kWindowText, kWindowBackground};
    case Look::Left:
        return {black, white};
    case Look::Highlight:
        return {white, black};
    case Look::ListHighlight:
        return {white, systemColor(13)};
    }
    return {kWindowText, kWindowBackground};
}

std::optional<Step> stepOfKey(int key)
{
    switch (key) {
    case Qt::Key_Home: return Step::Home;
    case Qt::Key_End: return Step::End;
    case Qt::Key_Left: return Step::Left;
    case Qt::Key_Right: return Step::Right;
    case Qt::Key_Up: return Step::Up;
    case Qt::Key_Down: return Step::Down;
    default: return std::nullopt;
    }
}

} // namespace

void showCustomMapEditor(const Services &services, CustomMapFileSlot &slot, const FontListEntries &fontEntries,
                         const CustomMapOpening &opening, QString &saveFolder, const FontMapColors &schemeColors,
                         QWidget *parent)
{
    CustomMap editor(services, slot, fontEntries, saveFolder, schemeColors, parent);
    if (opening.path.isEmpty())
        editor.SetupNewCFMap(opening.fontIndex, opening.fontName, opening.fontSize);
    else if (!editor.SetupEditCFMap(opening.path, opening.title, opening.fontIndex, opening.fontName,
                                    opening.fontSize))
        return;
    execModal(editor);
    saveFolder = editor.saveFolder();
}

CustomMap::CustomMap(const Services &services, CustomMapFileSlot &slot, const FontListEntries &fontEntries,
                     const QString &saveFolder, const FontMapColors &schemeColors, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_schemeColors(schemeColors)
    , m_slot(slot)
    , m_fontEntries(fontEntries)
    , m_saveFolder(saveFolder)
{
    setObjectName(QStringLiteral("CustomMap"));
    setWindowTitle(kNewCaption);
    m_c = buildCustomMapControls(this);
    Form_Load();
}

CustomMap::~CustomMap() = default;

void CustomMap::Form_Load()
{
    FontNameBox::fill(m_c.cmbFontName, m_fontEntries);
    m_MapSaved = false;

    // Read as the settings table reads them: a number outside its range as the nearer end.
    Settings stored;
    SettingsAccess settings(*m_services.registry);
    settings.readInto(stored, kEditorKey, kListCols);
    settings.readInto(stored, kEditorKey, kShiftDir);
    m_c.updListColumns->setValue(stored.ListCols);
    const auto shift = stored.ShiftDir == 1 ? CustomMapModel::ShiftDirection::Vertical
                                            : CustomMapModel::ShiftDirection::Horizontal;
    m_model.setShiftDirection(shift);
    m_c.optShiftDir[int(shift)]->setChecked(true);

    connect(m_c.MoveLtoM, &QAction::triggered, this, &CustomMap::cmdListToMap_Click);
    connect(m_c.MoveMtoL, &QAction::triggered, this, &CustomMap::cmdMapToList_Click);
    connect(m_c.CFMapSave, &QAction::triggered, this, &CustomMap::btnSaveCFMap_Click);
    connect(m_c.CFMapSaveAs, &QAction::triggered, this, &CustomMap::btnSaveAsCFMap_Click);
    connect(m_c.MapExit, &QAction::triggered, this, &CustomMap::MapExit_Click);
    connect(m_c.btnCancel, &QPushButton::clicked, this, &CustomMap::btnCancel_Click);

    connect(m_c.imgCMMFMapHolder, &FontMapGrid::cellMouseMove, this, &CustomMap::lblCFMap_MouseMove);
    connect(m_c.imgCMMFMapHolder, &FontMapGrid::cellMouseDown, this,
            [this](int cell, Qt::MouseButton button, const QPoint &) {
                if (button == Qt::LeftButton)
                    lblCFMap_Click(cell);
            });
    m_c.imgCMMFMapHolder->installEventFilter(this);
    // A screen reader reads a placed character's codes as the editor labels them.
    m_c.imgCMMFMapHolder->setCellDescriber([this](int cell) {
        const quint8 code = m_model.cellCode(cell);
        return code == 0 ? QString()
                         : describeCode(captionOf(code), CodeTable::rowOf(code, CustomMapModel::keyStroke(code)));
    });

    // A click on any item, also the selected one, and a selection moved by the keyboard.
    connect(m_c.lstFontChars, &QListWidget::itemClicked, this, &CustomMap::lstFontChars_Click);
    connect(m_c.lstFontChars, &QListWidget::currentRowChanged, this, &CustomMap::lstFontChars_Click);

    connect(m_c.cmbFontName, &QComboBox::activated, this, &CustomMap::cmbFontName_Click);
    new FontNameKeyPress(m_c.cmbFontName, [this](int keyAscii) { cmbFontName_KeyPress(keyAscii); });

    // Dragging the thumb only shows the number; the size changes when the thumb is let go.
    m_c.sldFontSize->setTracking(false);
    connect(m_c.sldFontSize, &QSlider::sliderMoved, this, &CustomMap::sldFontSize_Scroll);
    connect(m_c.sldFontSize, &QSlider::valueChanged, this, &CustomMap::sldFontSize_Change);
    new SizeNumberEdit(m_c.lblFontSizeNumber, m_c.tbxFontSizeNumber, m_c.sldFontSize,
                       [this] { m_c.lstFontChars->setFocus(Qt::OtherFocusReason); });
    connect(m_c.optFontSizeGroup, &QButtonGroup::idClicked, this, &CustomMap::optFontSize_Click);
    connect(m_c.optShiftDirGroup, &QButtonGroup::idClicked, this, &CustomMap::optShiftDir_Click);
    connect(m_c.updListColumns, &QSpinBox::valueChanged, this, &CustomMap::updListColumns_Change);

    SetupToolTips();
    SetTabOrder();
}

void CustomMap::SetupToolTips()
{
    showTagToolTips({m_c.optShiftDir[0], m_c.optShiftDir[1], m_c.btnSaveAsCFMap, m_c.btnSaveCFMap,
                                 m_c.btnCancel, m_c.cmdListToMap, m_c.cmdMapToList, m_c.lblCharsInMap,
                                 m_c.lblCharsInList, m_c.cmbFontName, m_c.lblTextZoom, m_c.optFontSize[0],
                                 m_c.optFontSize[1], m_c.tbxFontSizeNumber, m_c.sldFontSize, m_c.lblFontSizeNumber,
                                 m_c.lblKeyStroke, m_c.KSLabel, m_c.updListColumns},
                                globals().gToolTips);
}

void CustomMap::SetTabOrder()
{
    const QList<QWidget *> order{m_c.lstFontChars,   m_c.cmbFontName,    m_c.sldFontSize,    m_c.optFontSize[0],
                                 m_c.optFontSize[1], m_c.optShiftDir[0], m_c.optShiftDir[1], m_c.cmdListToMap,
                                 m_c.cmdMapToList,   m_c.btnSaveAsCFMap, m_c.btnSaveCFMap,   m_c.btnCancel,
                                 m_c.imgCMMFMapHolder, m_c.updListColumns};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void CustomMap::SetupNewCFMap(int fontIndex, const QString &fontName, double fontSize)
{
    m_EditMode = false;
    m_CFMapPath.clear();
    m_CFMapTitle.clear();
    setWindowTitle(kNewCaption);
    m_model.setupNew();
    setupFontAndSize(fontIndex, fontName, fontSize);
}

bool CustomMap::SetupEditCFMap(const QString &path, const QString &title, int fontIndex, const QString &fontName,
                               double fontSize)
{
    // The file may have changed since the main window loaded it: it is read and validated
    // afresh, and a map that no longer passes never reaches the editor.
    const std::optional<CustomMapCells> cells = readCustomMapFile(m_slot, path, m_schemeColors);
    if (!cells)
        return false;

    m_EditMode = true;
    m_CFMapTitle = title;
    m_CFMapPath = path;
    setEditCaption();
    m_model.setupEdit(*cells);
    setupFontAndSize(fontIndex, fontName, fontSize);
    return true;
}

void CustomMap::setupFontAndSize(int fontIndex, const QString &fontName, double fontSize)
{
    m_c.cmbFontName->setCurrentIndex(fontIndex - 1);
    m_CFMFontIndex = fontIndex;
    m_CFMFontName = fontName;

    // The size applies to the map; the list starts at the caller's size as it is.
    m_c.optFontSize[1]->setChecked(true);
    m_listFontSize = fontSize;
    m_cellFontSize = FontSizeRules::roundHalfEven(fontSize);
    {
        const QSignalBlocker block(m_c.sldFontSize);
        m_c.sldFontSize->setValue(m_cellFontSize);
    }
    m_c.lblFontSizeNumber->setText(QString::number(m_cellFontSize));

    SetCFMapFont();
    showList();
    for (int i = 0; i < CustomMapModel::kCells; ++i)
        showCell(i);
    showSelectionInZoom();
    showCounts();
    showCommandStates();
}

void CustomMap::SetCFMapFont()
{
    m_CFMFontName = m_c.cmbFontName->currentText();
    m_charset = m_services.codePage->charset(m_CFMFontName);
    const FontCatalog &fonts = *m_services.fonts;
    m_c.imgCMMFMapHolder->setCellFont(fonts.font(m_CFMFontName, m_cellFontSize), m_charset);
    m_c.lstFontChars->setFont(fonts.font(m_CFMFontName, m_listFontSize));
    m_c.lblTextZoom->setFont(fonts.font(m_CFMFontName, kZoomPointSize));
    updListColumns_Change();

    // The same codes, as this font's characters.
    for (int i = 0; i < CustomMapModel::kCells; ++i)
        m_c.imgCMMFMapHolder->setCaption(i, captionOf(m_model.cellCode(i)));
    for (int row = 0; row < m_c.lstFontChars->count(); ++row) {
        QListWidgetItem *item = m_c.lstFontChars->item(row);
        item->setText(captionOf(quint8(CustomMapModel::kFirstCode + item->data(kCodeIndexRole).toInt())));
    }
    m_c.lblTextZoom->setText(captionOf(m_zoomCode));
}

// Moves ---------------------------------------------------------------------------------------

void CustomMap::cmdListToMap_Click()
{
    if (!m_model.canMoveListToMap())
        return;
    const int from = m_model.currentCell();
    const int position = m_model.selectedPosition();
    m_model.moveListToMap();
    {
        const QSignalBlocker block(m_c.lstFontChars);
        delete m_c.lstFontChars->takeItem(position);
    }
    showMove(from, m_c.cmdListToMap, m_c.cmdMapToList);
}

void CustomMap::cmdMapToList_Click()
{
    if (!m_model.canMoveMapToList())
        return;
    const int from = m_model.currentCell();
    const quint8 code = m_model.cellCode(from);
    m_model.moveMapToList();
    {
        const QSignalBlocker block(m_c.lstFontChars);
        auto *item = new QListWidgetItem(captionOf(code));
        item->setData(kCodeIndexRole, code - CustomMapModel::kFirstCode);
        m_c.lstFontChars->insertItem(m_model.listPosition(code), item);
    }
    showMove(from, m_c.cmdMapToList, m_c.cmdListToMap);
}

void CustomMap::showMove(int from, QPushButton *again, QPushButton *back)
{
    showListSelection();
    showSelectionInZoom();
    showCell(from);
    showCell(m_model.currentCell());
    showCounts();
    showCommandStates();
    // The focus stays on the move just made while it can be made again.
    (again->isEnabled() ? again : back)->setFocus(Qt::OtherFocusReason);
}

void CustomMap::lblCFMap_Click(int cell)
{
    const int from = m_model.currentCell();
    m_model.selectCell(cell);
    showCell(from);
    showCell(cell);
    showCommandStates();
    m_c.imgCMMFMapHolder->setFocus(Qt::MouseFocusReason);
}

void CustomMap::imgCMMFMapHolder_KeyDown(int key)
{
    const std::optional<Step> step = stepOfKey(key);
    if (!step)
        return;
    const int from = m_model.currentCell();
    m_model.step(*step);
    showCell(from);
    showCell(m_model.currentCell());
    showCommandStates();
}

void CustomMap::lblCFMap_MouseMove(int cell)
{
    showZoom(m_model.cellCode(cell));
}

void CustomMap::lstFontChars_Click()
{
    if (m_model.charsInList() == 0)
        return;
    m_model.clickList(m_c.lstFontChars->currentRow());
    showListSelection();
    showSelectionInZoom();
    showCell(m_model.currentCell());
    showCommandStates();
}

// Font, size and columns -------------------------------------------------------------------------

void CustomMap::cmbFontName_Click()
{
    if (m_c.cmbFontName->currentText() == m_CFMFontName)
        return;
    SetCFMapFont();
    m_CFMFontIndex = m_c.cmbFontName->currentIndex() + 1;
}

void CustomMap::cmbFontName_KeyPress(int keyAscii)
{
    QComboBox *combo = m_c.cmbFontName;
    if (!isInitialLetter(keyAscii)) {
        combo->setCurrentIndex(m_CFMFontIndex - 1);
        return;
    }
    if (const int item = FontNameBox::initialLetterItem(combo, int(m_fontEntries.size()), keyAscii); item >= 0)
        combo->setCurrentIndex(item);
    cmbFontName_Click();
}

void CustomMap::optFontSize_Click(int index)
{
    // Showing the chosen target's size; the slider's change applies it to that target, so a
    // list size with a fraction becomes whole.
    const int size = index == 0 ? FontSizeRules::roundHalfEven(m_listFontSize) : m_cellFontSize;
    m_c.sldFontSize->setValue(size);
    m_c.lblFontSizeNumber->setText(QString::number(size));
}

void CustomMap::sldFontSize_Scroll()
{
    // sliderMoved reports the thumb's place before the value follows it.
    m_c.lblFontSizeNumber->setText(QString::number(m_c.sldFontSize->sliderPosition()));
    m_c.lstFontChars->setFocus(Qt::OtherFocusReason);
}

void CustomMap::sldFontSize_Change()
{
    const int size = m_c.sldFontSize->value();
    const FontCatalog &fonts = *m_services.fonts;
    if (m_c.optFontSize[0]->isChecked()) {
        m_listFontSize = size;
        m_c.lstFontChars->setFont(fonts.font(m_CFMFontName, size));
        updListColumns_Change();
    } else {
        m_cellFontSize = size;
        m_c.imgCMMFMapHolder->setCellFont(fonts.font(m_CFMFontName, size), m_charset);
    }
    m_c.lblFontSizeNumber->setText(QString::number(size));
}

void CustomMap::updListColumns_Change()
{
    // The view's width holds this many columns, the rest scroll sideways.
    m_c.lstFontChars->setColumns(m_c.updListColumns->value());
}

void CustomMap::optShiftDir_Click(int index)
{
    m_model.setShiftDirection(index == 1 ? CustomMapModel::ShiftDirection::Vertical
                                         : CustomMapModel::ShiftDirection::Horizontal);
}

// Saving and closing -----------------------------------------------------------------------------

void CustomMap::btnSaveCFMap_Click()
{
    if (m_c.CFMapSave->isEnabled())
        SaveMap();
}

bool CustomMap::SaveMap()
{
    if (!WriteCFMap(m_CFMapPath))
        return false;
    m_MapSaved = true;
    return true;
}

void CustomMap::btnSaveAsCFMap_Click()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Filter = globals().gAppName + QStringLiteral(" Custom Map Files (*.QCM)|*.qcm");
    d.FilterIndex = 1;
    d.FileName = m_CFMapPath;
    d.Flags = CdlFlags::OverwritePrompt | CdlFlags::HideReadOnly;
    d.InitDir = m_saveFolder;
    d.DialogTitle = QStringLiteral("Save Custom Map As");
    if (m_services.dialog->ShowSave(d) != DialogResult::Confirmed)
        return;

    const QString path = d.FileName;
    if (path == m_CFMapPath) {
        SaveMap();
        return;
    }
    // A map saved under another name is not the one the main window shows: MapSaved stays,
    // so the main window keeps its map; from now on Save Map writes to the new file.
    if (!WriteCFMap(path))
        return;
    m_CFMapPath = path;
    m_CFMapTitle = fileTitleOf(path);
    setEditCaption();
    showCommandStates();
}

bool CustomMap::WriteCFMap(const QString &path)
{
    // The old file is replaced only once the whole new one is written, so a failed save
    // leaves it, and the editor's saved state, as they were.
    QString error;
    if (!replaceFileContents(path, QcmFormat::serialize(m_model.cells()), &error)) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("The Custom Map could not be saved in the file"),
                             path, QString(), error, QString(),
                             QStringLiteral("The file on disk, if there was one, has not been changed.")}),
                QStringLiteral("OK"), messageTitle(" Custom Map Save Error"), false, 1, m_schemeColors);
        return false;
    }
    m_model.markSaved();
    m_saveFolder = QFileInfo(path).path();
    // The saved map's file is the one the slot holds from now on.
    m_slot.open(path, &error);
    showCommandStates();
    return true;
}

void CustomMap::btnCancel_Click()
{
    m_slot.close();
    close();
}

void CustomMap::MapExit_Click()
{
    close();
}

void CustomMap::reject()
{
    close();
}

void CustomMap::closeEvent(QCloseEvent *event)
{
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

bool CustomMap::Form_QueryUnload()
{
    GlobalDeclarations &g = globals();
    bool closing = true;
    if (m_model.mapChanged()) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("There are changes pending to be saved"),
                             QStringLiteral("which will be lost if you exit now."), QString(),
                             QStringLiteral("Do you really want to close the Editor?"), QString(), QString()}),
                QStringLiteral("YN"), messageTitle(" Custom Map Save Warning"), false, 2, m_schemeColors);
        closing = g.gMsgResult;
    }

    SettingsAccess(*m_services.registry)
        .writeMany({{kEditorKey, kListCols, m_c.updListColumns->value()},
                    {kEditorKey, kShiftDir, m_c.optShiftDir[1]->isChecked() ? 1 : 0}});

    if (m_MapSaved && m_EditMode)
        g.gCFMapSaved = true;
    return closing;
}

void CustomMap::setEditCaption()
{
    setWindowTitle(kEditCaption + QStringLiteral(" :  ") + m_CFMapTitle);
}

bool CustomMap::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.imgCMMFMapHolder && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (stepOfKey(key)) {
            imgCMMFMapHolder_KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Showing the model ------------------------------------------------------------------------------

QString CustomMap::captionOf(quint8 code) const
{
    return code == 0 ? QString() : QString(charForCode(code, m_charset));
}

void CustomMap::showCell(int cell)
{
    FontMapGrid *grid = m_c.imgCMMFMapHolder;
    const CellColors colors = colorsOf(m_model.look(cell));
    grid->setCaption(cell, captionOf(m_model.cellCode(cell)));
    grid->setForeColor(cell, colors.fore);
    grid->setBackColor(cell, colors.back);
    if (cell == m_model.currentCell())
        grid->setCurrentCell(cell);
}

void CustomMap::showList()
{
    QListWidget *list = m_c.lstFontChars;
    const QSignalBlocker block(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (int code = CustomMapModel::kFirstCode; code <= CustomMapModel::kLastCode; ++code) {
        if (!m_model.isInList(quint8(code)))
            continue;
        auto *item = new QListWidgetItem(captionOf(quint8(code)), list);
        item->setData(kCodeIndexRole, code - CustomMapModel::kFirstCode);
    }
    list->setUpdatesEnabled(true);
    showListSelection();
}

void CustomMap::showListSelection()
{
    const QSignalBlocker block(m_c.lstFontChars);
    m_c.lstFontChars->setCurrentRow(m_model.selectedPosition());
}

void CustomMap::showZoom(quint8 code)
{
    m_zoomCode = code;
    m_c.lblTextZoom->setText(captionOf(code));
    m_c.lblKeyStroke->setText(code == 0 ? QString() : CustomMapModel::keyStroke(code));
}

void CustomMap::showSelectionInZoom()
{
    // With the list empty the zoom keeps what it showed last.
    if (const auto code = m_model.selectedCode())
        showZoom(*code);
}

void CustomMap::showCounts()
{
    m_c.lblCharsInList->setText(QString::number(m_model.charsInList()));
    m_c.lblCharsInMap->setText(QString::number(m_model.charsInMap()));
}

void CustomMap::showCommandStates()
{
    m_c.MoveLtoM->setEnabled(m_model.canMoveListToMap());
    m_c.MoveMtoL->setEnabled(m_model.canMoveMapToList());
    // A new map is first saved with Save As.
    m_c.CFMapSave->setEnabled(m_model.mapChanged() && !m_CFMapPath.isEmpty());
}

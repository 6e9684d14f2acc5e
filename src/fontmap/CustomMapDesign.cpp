// The custom map editor's controls at their designed places (pixels of the design times 15
// twips). The template's cells are 420 twips square on a 405-twip pitch, so neighbours share
// their border line, as on the FontMap.
#include "fontmap/CustomMapControls.h"

#include "widgets/CaptionedValues.h"
#include "widgets/FormDesign.h"
#include "widgets/TagToolTips.h"
#include "fontmap/CharacterList.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CustomMapModel.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

using namespace FormDesign;

namespace {

constexpr double kClientWidth = 773;
constexpr double kClientHeight = 475;

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRectF &twips)
{
    auto *b = make<QPushButton>(parent, name, twips);
    b->setText(caption);
    return b;
}

// A button that runs its menu item's action and shows the action's enabled state, so that the
// two can never disagree.
void shareAction(QPushButton *b, QAction *action)
{
    QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, b, [b, action] { b->setEnabled(action->isEnabled()); });
    b->setEnabled(action->isEnabled());
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, const QRectF &twips,
                     QButtonGroup *group, int id)
{
    auto *o = make<QRadioButton>(parent, name, twips);
    o->setText(caption);
    group->addButton(o, id);
    return o;
}

void buildMenus(CustomMapControls &c, QDialog *window)
{
    c.menuBar = make<QMenuBar>(window, "menuBar");
    QMenu *map = c.menuBar->addMenu(QStringLiteral("&Map"));
    map->setObjectName(QStringLiteral("mnuMap"));
    c.CFMapSave = menuItem(map, "CFMapSave", QStringLiteral("&Save"));
    c.CFMapSaveAs = menuItem(map, "CFMapSaveAs", QStringLiteral("Save &As..."));
    map->addSeparator();
    c.MapExit = menuItem(map, "MapExit", QStringLiteral("E&xit"));
    QMenu *move = c.menuBar->addMenu(QStringLiteral("Mo&ve"));
    move->setObjectName(QStringLiteral("mnuMove"));
    c.MoveLtoM = menuItem(move, "MoveLtoM", QStringLiteral("From List to &Map"));
    c.MoveMtoL = menuItem(move, "MoveMtoL", QStringLiteral("From Map to &List"));
}

void buildTemplate(CustomMapControls &c, QWidget *client)
{
    // The FontMap's designed cells, with no CoolBar above them.
    const MapSizeSteps::Cells cells = MapSizeSteps::designedCells(0);
    c.imgCMMFMapHolder = make<FontMapGrid>(client, "imgCMMFMapHolder",
                                           QRectF(QPointF(px(8), px(8)), QSizeF(cells.back().right(), cells.back().bottom())));
    c.imgCMMFMapHolder->setFocusPolicy(Qt::StrongFocus);
    c.imgCMMFMapHolder->setAccessibleName(QStringLiteral("Character Map"));
    c.imgCMMFMapHolder->setCellGeometries(cells);
}

void buildListAndViews(CustomMapControls &c, QWidget *client)
{
    c.lstFontChars = make<CharacterList>(client, "lstFontChars", design(8, 233, 384, 203));
    c.lstFontChars->setAccessibleName(QStringLiteral("Character List"));
    c.lstFontChars->setSelectionMode(QAbstractItemView::SingleSelection);
    c.lstFontChars->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    label(client, "ListColsCaption", QStringLiteral("List Columns:"), design(8, 444, 84, 22));
    c.updListColumns = make<QSpinBox>(client, "updListColumns", design(92, 444, 48, 22));
    c.updListColumns->setRange(8, 30);
    c.updListColumns->setSingleStep(1);
    setTag(c.updListColumns, "Adjust List Column Width");

    c.lblTextZoom = label(client, "lblTextZoom", QString(), design(400, 233, 134, 104), Qt::AlignCenter);
    c.lblTextZoom->setFrameShape(QFrame::Panel);
    c.lblTextZoom->setFrameShadow(QFrame::Sunken);
    c.lblTextZoom->setBackgroundRole(QPalette::Base);
    c.lblTextZoom->setForegroundRole(QPalette::Text);
    c.lblTextZoom->setAutoFillBackground(true);
    setTag(c.lblTextZoom, "Zoom View Area");
    nameByTag(c.lblTextZoom);

    c.KSLabel = label(client, "KSLabel", QStringLiteral("Keystroke:"), design(400, 343, 76, 16));
    setTag(c.KSLabel, "Keystroke View Area");
    c.lblKeyStroke = label(client, "lblKeyStroke", QString(), design(478, 343, 56, 16));
    setTag(c.lblKeyStroke, "Keystroke View Area");
    QLabel *inListCaption = label(client, "CharsInListCaption", QStringLiteral("Now in List:"), design(400, 363, 76, 16));
    c.lblCharsInList = label(client, "lblCharsInList", QString(), design(478, 363, 56, 16));
    setTag(c.lblCharsInList, "No. of characters currently in List");
    QLabel *inMapCaption = label(client, "CharsInMapCaption", QStringLiteral("Now in Map:"), design(400, 381, 76, 16));
    c.lblCharsInMap = label(client, "lblCharsInMap", QString(), design(478, 381, 56, 16));
    setTag(c.lblCharsInMap, "No. of characters currently in Map");
    // Under the zoom area, as wide as it is: the keystroke's caption takes only what its text
    // needs, so that "Space Bar" and "Alt+0255" fit beside it.
    CaptionedValues::fit({{{c.KSLabel, c.lblKeyStroke,
                            {QStringLiteral("Space Bar"), QStringLiteral("Alt+0255"), QStringLiteral("Ctrl+2")}}},
                          {{inListCaption, c.lblCharsInList, {QStringLiteral("224")}}},
                          {{inMapCaption, c.lblCharsInMap, {QStringLiteral("224")}}}},
                         {px(400), px(134), px(2), px(0)});
}

void buildMoveAndFontControls(CustomMapControls &c, QWidget *client)
{
    c.cmdListToMap = button(client, "cmdListToMap", QStringLiteral("Move character from List to Map"),
                            design(540, 233, 225, 25));
    setTag(c.cmdListToMap, "Move selected List character to Map");
    shareAction(c.cmdListToMap, c.MoveLtoM);
    c.cmdMapToList = button(client, "cmdMapToList", QStringLiteral("Move character from Map to List"),
                            design(540, 262, 225, 25));
    setTag(c.cmdMapToList, "Move selected Map character to List");
    shareAction(c.cmdMapToList, c.MoveMtoL);

    c.fraShiftDir = make<QGroupBox>(client, "fraShiftDir", design(540, 292, 225, 44));
    c.fraShiftDir->setTitle(QStringLiteral("Map Highlight Movement:"));
    c.optShiftDirGroup = new QButtonGroup(client);
    c.optShiftDir[0] = option(c.fraShiftDir, "optShiftDir(0)", QStringLiteral("Horizontal"), design(10, 20, 96, 18),
                              c.optShiftDirGroup, 0);
    setTag(c.optShiftDir[0], "Shift Map Highlight horizontally");
    c.optShiftDir[1] = option(c.fraShiftDir, "optShiftDir(1)", QStringLiteral("Vertical"), design(116, 20, 96, 18),
                              c.optShiftDirGroup, 1);
    setTag(c.optShiftDir[1], "Shift Map Highlight vertically");

    c.cmbFontName = make<QComboBox>(client, "cmbFontName", design(540, 344, 225, 22));
    c.cmbFontName->setMaxVisibleItems(16);
    setTag(c.cmbFontName, "Select a Font");

    c.sldFontSize = slider(client, "sldFontSize", design(540, 371, 186, 22), 8, 36, 4);
    setTag(c.sldFontSize, "Set Font Size");
    c.lblFontSizeNumber = label(client, "lblFontSizeNumber", QString(), design(730, 371, 35, 22), Qt::AlignCenter);
    setTag(c.lblFontSizeNumber, "Font Size (Click to Change)");
    c.tbxFontSizeNumber = inlineEdit(client, "tbxFontSizeNumber", design(730, 371, 35, 22));
    c.tbxFontSizeNumber->setAlignment(Qt::AlignCenter);
    setTag(c.tbxFontSizeNumber, "Enter a font size");

    c.optFontSizeGroup = new QButtonGroup(client);
    c.optFontSize[0] = option(client, "optFontSize(0)", QStringLiteral("List"), design(550, 398, 70, 18),
                              c.optFontSizeGroup, 0);
    setTag(c.optFontSize[0], "Set Font Size for Character List");
    c.optFontSize[1] = option(client, "optFontSize(1)", QStringLiteral("Map"), design(626, 398, 70, 18),
                              c.optFontSizeGroup, 1);
    setTag(c.optFontSize[1], "Set Font Size for Character Map");
}

void buildSaveButtons(CustomMapControls &c, QWidget *client)
{
    c.btnSaveAsCFMap = button(client, "btnSaveAsCFMap", QStringLiteral("Save As..."), design(540, 442, 72, 25));
    setTag(c.btnSaveAsCFMap, "Save Map As");
    shareAction(c.btnSaveAsCFMap, c.CFMapSaveAs);
    c.btnSaveCFMap = button(client, "btnSaveCFMap", QStringLiteral("Save Map"), design(617, 442, 72, 25));
    setTag(c.btnSaveCFMap, "Save Map");
    shareAction(c.btnSaveCFMap, c.CFMapSave);
    c.btnCancel = button(client, "btnCancel", QStringLiteral("Cancel"), design(694, 442, 71, 25));
    setTag(c.btnCancel, "Cancel");
}

} // namespace

CustomMapControls buildCustomMapControls(QDialog *window)
{
    CustomMapControls c;
    buildMenus(c, window);
    const int menuHeight = c.menuBar->sizeHint().height();
    c.menuBar->setGeometry(0, 0, Twips::toQt(px(kClientWidth)), menuHeight);

    auto *client = make<QWidget>(window, "client");
    client->setGeometry(0, menuHeight, Twips::toQt(px(kClientWidth)), Twips::toQt(px(kClientHeight)));
    buildTemplate(c, client);
    buildListAndViews(c, client);
    buildMoveAndFontControls(c, client);
    buildSaveButtons(c, client);

    window->setFixedSize(client->width(), menuHeight + client->height());
    return c;
}

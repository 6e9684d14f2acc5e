// The main window's control tree at its designed places. Everything is placed in
// twips; the design was drawn at 15 twips per pixel, so the numbers below are pixels
// of that design times 15.
#include "app/QuorvilControls.h"

#include "app/MenuTable.h"
#include "core/SettingsLayout.h"

#include "widgets/ActionCollection.h"
#include "widgets/CaptionedValues.h"
#include "widgets/CoolBar.h"
#include "widgets/FormDesign.h"
#include "widgets/TagToolTips.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

#include <algorithm>

using namespace FormDesign;

namespace {

// A band's designed width, the first-run default of its stored width.
int bandWidth(const char *name)
{
    return SettingsLayout::defaultNumber(QStringLiteral("Bars"), QString::fromLatin1(name));
}

void buildTopBar(QuorvilControls &c, const ActionCollection &a, QWidget *client)
{
    c.CoolBarCM = new CoolBar(QStringLiteral("CoolBarCM"), client);
    Twips::place(c.CoolBarCM, design(7, 2, 759, 30));

    c.LoadSaveTB = new ToolBar(QStringLiteral("LoadSaveTB"));
    c.LoadSaveTB->addCommand(QStringLiteral("Load"), a.action(QStringLiteral("FileLoad")), QStringLiteral("Load Text from File"), ToolBar::Style::DropDown);
    c.LoadSaveTB->addCommand(QStringLiteral("Save"), a.action(QStringLiteral("FileSave")), QStringLiteral("Save Text in File"));
    c.CoolBarCM->addBand(c.LoadSaveTB, bandWidth("MainBand1Wdth"));

    c.TBFContainer = make<QWidget>(nullptr, "TBFContainer");
    c.FontNameCombo = make<QComboBox>(c.TBFContainer, "FontNameCombo", design(4, 3, 400, 22));
    c.FontNameCombo->setMaxVisibleItems(20);
    setTag(c.FontNameCombo, "Select a Font");
    c.FontList = make<QListWidget>(c.TBFContainer, "FontList");
    c.FontList->hide();
    c.CoolBarCM->addBand(c.TBFContainer, bandWidth("MainBand2Wdth"));

    c.FSZContainer = make<QWidget>(nullptr, "FSZContainer");
    c.FontSizeNumber = label(c.FSZContainer, "FontSizeNumber", QString(), design(4, 5, 22, 18), Qt::AlignCenter);
    setTag(c.FontSizeNumber, "Font Size (Click to Change)");
    c.FontSizeEdit = inlineEdit(c.FSZContainer, "FontSizeEdit", design(4, 5, 22, 18));
    setTag(c.FontSizeEdit, "Enter font size");
    c.FontSizeSlider = slider(c.FSZContainer, "FontSizeSlider", design(28, 4, 118, 20), 8, 36, 4);
    setTag(c.FontSizeSlider, "Set Font Size");
    c.CoolBarCM->addBand(c.FSZContainer, bandWidth("MainBand3Wdth"));

    c.QrvlDefTB = new ToolBar(QStringLiteral("QrvlDefTB"));
    c.QrvlDefTB->addCommand(QStringLiteral("Opt"), a.action(QStringLiteral("ToolsOpt")), QStringLiteral("Set Default Options"));
    c.QrvlDefTB->addCommand(QStringLiteral("KB"), a.action(QStringLiteral("ToolsKB")), QStringLiteral("View Keyboard Layout"));
    c.QrvlDefTB->addCommand(QStringLiteral("FB"), a.action(QStringLiteral("ToolsFB")), QStringLiteral("Browse Fonts"));
    c.CoolBarCM->addBand(c.QrvlDefTB, bandWidth("MainBand4Wdth"));
}

void buildViews(QuorvilControls &c, const ActionCollection &a, QWidget *client)
{
    c.ViewsContainer = make<QFrame>(client, "ViewsContainer", design(7, 34, 134, 242));
    c.ViewsContainer->setFrameShape(QFrame::StyledPanel);
    QWidget *vc = c.ViewsContainer;

    c.ViewsTB = new ToolBar(QStringLiteral("ViewsTB"), vc);
    Twips::place(c.ViewsTB, design(1, 1, 132, 23));
    c.ViewsTB->addCommand(QStringLiteral("Zoom"), a.action(QStringLiteral("ViewZoom")), QString());
    c.ViewsTB->addCommand(QStringLiteral("Code"), a.action(QStringLiteral("ViewCode")), QString());
    c.ViewsTB->addCommand(QStringLiteral("KS"), a.action(QStringLiteral("ViewKS")), QString());
    c.ViewsTB->addCommand(QStringLiteral("VCRight"), a.action(QStringLiteral("VCOnR")), QString());
    c.ViewsTB->addCommand(QStringLiteral("VCLeft"), a.action(QStringLiteral("VCOnL")), QString());

    // Inside the container's frame, as a child of a framed box lies: over the frame, the zoom's
    // right side would be the container's last column, which a fractional scale can round away.
    c.TextZoom = label(vc, "TextZoom", QString(), QRectF(px(1), px(25), 2010 - px(2), 2010), Qt::AlignCenter);
    c.TextZoom->setFrameShape(QFrame::Box);
    c.TextZoom->setAutoFillBackground(true);
    setTag(c.TextZoom, "Zoom View Area");
    nameByTag(c.TextZoom);

    c.ZoomSizeLabel = label(vc, "ZoomSizeLabel", QStringLiteral("Zoom Size:"), design(3, 161, 60, 16));
    c.ZoomSizeNumber = label(vc, "ZoomSizeNumber", QString(), design(66, 161, 30, 16));
    setTag(c.ZoomSizeNumber, "Zoom Size (Click to Change)");
    c.ZoomSizeEdit = inlineEdit(vc, "ZoomSizeEdit", design(66, 161, 30, 16));
    setTag(c.ZoomSizeEdit, "Enter zoom size");
    c.ZoomSizeSlider = slider(vc, "ZoomSizeSlider", design(2, 177, 130, 18), 8, 72, 5);
    setTag(c.ZoomSizeSlider, "Set Zoom Size");

    QLabel *decCaption = label(vc, "AscCodeCaption", QStringLiteral("Dec:"), design(3, 197, 24, 14));
    c.AscCode = label(vc, "AscCode", QString(), design(27, 197, 20, 14));
    QLabel *hexCaption = label(vc, "HexCodeCaption", QStringLiteral("Hex:"), design(48, 197, 24, 14));
    c.HexCode = label(vc, "HexCode", QString(), design(72, 197, 18, 14));
    QLabel *octCaption = label(vc, "OctCodeCaption", QStringLiteral("Oct:"), design(91, 197, 22, 14));
    c.OctCode = label(vc, "OctCode", QString(), design(112, 197, 21, 14));
    QLabel *binCaption = label(vc, "BinCodeCaption", QStringLiteral("Bin"), design(3, 211, 24, 14));
    c.BinCode = label(vc, "BinCode", QString(), design(27, 211, 106, 14));
    QLabel *ksCaption = label(vc, "KSCaption", QStringLiteral("Keystroke:"), design(3, 226, 60, 14));
    c.KS = label(vc, "KS", QString(), design(63, 226, 70, 14));

    const QStringList onOff{QStringLiteral("On"), QStringLiteral("Off")};
    CaptionedValues::fit({{{c.ZoomSizeLabel, c.ZoomSizeNumber, {QStringLiteral("72"), QStringLiteral("Off")}}},
                          {{decCaption, c.AscCode, QStringList{QStringLiteral("255")} + onOff},
                           {hexCaption, c.HexCode, QStringList{QStringLiteral("FF")} + onOff},
                           {octCaption, c.OctCode, QStringList{QStringLiteral("377")} + onOff}},
                          {{binCaption, c.BinCode, QStringList{QStringLiteral("11111111")} + onOff}},
                          {{ksCaption, c.KS,
                            QStringList{QStringLiteral("Alt+0255"), QStringLiteral("Space Bar"), QStringLiteral("Ctrl+2")}
                                + onOff}}},
                         {px(3), px(130), px(1), px(3)});
    // The edit opens over the number it edits.
    Twips::place(c.ZoomSizeEdit, Twips::rect(c.ZoomSizeNumber));
    c.ZoomSizeEdit->setFont(c.ZoomSizeNumber->font());

    // The covers lie over the views' labels and catch their right-clicks.
    c.CVACover = label(vc, "CVACover", QString(), design(0, 196, 134, 29));
    setTag(c.CVACover, "Code View Area");
    nameByTag(c.CVACover);
    c.KVACover = label(vc, "KVACover", QString(), design(0, 225, 134, 16));
    setTag(c.KVACover, "Keystroke View Area");
    nameByTag(c.KVACover);
}

void buildTextBoardBar(QuorvilControls &c, const ActionCollection &a, QWidget *client)
{
    c.CoolBarTB = new CoolBar(QStringLiteral("CoolBarTB"), client);
    Twips::place(c.CoolBarTB, design(143, 34, 623, 24));

    c.TBOperationsTB = new ToolBar(QStringLiteral("TBOperationsTB"));
    c.TBOperationsTB->addCommand(QStringLiteral("ClearButton"), a.action(QStringLiteral("ToolsClear")), QStringLiteral("Unload TextBoard Contents"));
    c.TBOperationsTB->addCommand(QStringLiteral("CopyButton"), a.action(QStringLiteral("ToolsCopy")), QStringLiteral("Copy TextBoard Contents to Clipboard"));
    c.TBOperationsTB->addCommand(QStringLiteral("CutButton"), a.action(QStringLiteral("ToolsCut")), QStringLiteral("Cut TextBoard Contents to Clipboard"));
    c.TBOperationsTB->addCommand(QStringLiteral("PrintButton"), a.action(QStringLiteral("ToolsPrint")), QStringLiteral("Print TextBoard Contents"));
    c.TBOperationsTB->addCommand(QStringLiteral("FullScreen"), a.action(QStringLiteral("ToolsFS")), QStringLiteral("View TextBoard Full Screen"));
    c.CoolBarTB->addBand(c.TBOperationsTB, bandWidth("TBBand1Wdth"));

    c.TextEditTB = new ToolBar(QStringLiteral("TextEditTB"));
    c.TextEditTB->addCommand(QStringLiteral("Cut"), a.action(QStringLiteral("EditCut")), QStringLiteral("Cut"));
    c.TextEditTB->addCommand(QStringLiteral("Copy"), a.action(QStringLiteral("EditCopy")), QStringLiteral("Copy"));
    c.TextEditTB->addCommand(QStringLiteral("Paste"), a.action(QStringLiteral("EditPaste")), QStringLiteral("Paste"));
    c.TextEditTB->addCommand(QStringLiteral("Find"), a.action(QStringLiteral("EditFind")), QStringLiteral("Find in TextBoard"));
    c.CoolBarTB->addBand(c.TextEditTB, bandWidth("TBBand2Wdth"));

    c.FontFormatTB = new ToolBar(QStringLiteral("FontFormatTB"));
    c.FontFormatTB->addCommand(QStringLiteral("Bold"), a.action(QStringLiteral("FFontBold")), QStringLiteral("Toggle Bold Style"));
    c.FontFormatTB->addCommand(QStringLiteral("Italic"), a.action(QStringLiteral("FFontItalic")), QStringLiteral("Toggle Italic Style"));
    c.FontFormatTB->addCommand(QStringLiteral("Underline"), a.action(QStringLiteral("FFontUnderline")), QStringLiteral("Toggle Underline Effect"));
    c.FontFormatTB->addCommand(QStringLiteral("Strikethrough"), a.action(QStringLiteral("FFontStrikethrough")), QStringLiteral("Toggle Strikethrough Effect"));
    c.FontFormatTB->addCommand(QStringLiteral("Color"), a.action(QStringLiteral("FFontColor")), QStringLiteral("Set TextBoard Font Color (Currently "));
    c.CoolBarTB->addBand(c.FontFormatTB, bandWidth("TBBand3Wdth"));

    c.TextAlignTB = new ToolBar(QStringLiteral("TextAlignTB"));
    c.TextAlignTB->addCommand(QStringLiteral("AlignLeft"), a.action(QStringLiteral("AlignLeft")), QStringLiteral("Align Text Left"));
    c.TextAlignTB->addCommand(QStringLiteral("CenterText"), a.action(QStringLiteral("AlignCenter")), QStringLiteral("Center Text"));
    c.TextAlignTB->addCommand(QStringLiteral("AlignRight"), a.action(QStringLiteral("AlignRight")), QStringLiteral("Align Text Right"));
    c.CoolBarTB->addBand(c.TextAlignTB, bandWidth("TBBand4Wdth"));

    c.TBCountersContainer = make<QWidget>(nullptr, "TBCountersContainer");
    c.NoOfChars = label(c.TBCountersContainer, "NoOfChars", QStringLiteral("0"), design(2, 3, 44, 16),
                        Qt::AlignRight | Qt::AlignVCenter);
    setTag(c.NoOfChars, "Number of Characters on TextBoard");
    c.PercFilled = label(c.TBCountersContainer, "PercFilled", QStringLiteral("0%"), design(48, 3, 34, 16),
                         Qt::AlignRight | Qt::AlignVCenter);
    setTag(c.PercFilled, "Percentage of TextBoard Filled");
    c.ProgressBack = label(c.TBCountersContainer, "ProgressBack", QString(), design(86, 5, 80, 12));
    c.ProgressBack->setFrameShape(QFrame::Box);
    setTag(c.ProgressBack, "Percentage of TextBoard Filled");
    nameByTag(c.ProgressBack);
    c.ProgressFore = label(c.ProgressBack, "ProgressFore", QString(), design(0, 0, 0, 12));
    c.ProgressFore->setAutoFillBackground(true);
    c.ProgressFore->setAccessibleName(tag(c.ProgressBack));
    c.ProgressFore->hide();
    c.CoolBarTB->addBand(c.TBCountersContainer, bandWidth("TBBand5Wdth"));
}

void buildFindFrame(QuorvilControls &c, QWidget *client)
{
    c.FindFrame = make<QFrame>(client, "FindFrame", design(145, 248, 621, 28));
    c.FindFrame->setFrameShape(QFrame::StyledPanel);
    c.FindFrame->hide();
    QWidget *f = c.FindFrame;
    c.FindStrLabel = label(f, "FindStrLabel", QStringLiteral("Find:"), design(4, 6, 30, 16));
    c.FindString = make<QLineEdit>(f, "FindString", design(36, 4, 178, 20));
    c.FindStrLabel->setBuddy(c.FindString);
    c.FindNextButton = make<QPushButton>(f, "FindNextButton", design(221, 3, 70, 22));
    c.FindNextButton->setText(QStringLiteral("Find Next"));
    c.ClearFindButton = make<QPushButton>(f, "ClearFindButton", design(293, 3, 70, 22));
    c.ClearFindButton->setText(QStringLiteral("Clear"));
    c.FindOpt[0] = make<QCheckBox>(f, "FindOpt(0)", design(365, 5, 94, 18));
    c.FindOpt[0]->setText(QStringLiteral("Whole Word"));
    c.FindOpt[1] = make<QCheckBox>(f, "FindOpt(1)", design(461, 5, 90, 18));
    c.FindOpt[1]->setText(QStringLiteral("Match Case"));
    c.CloseFindButton = make<QPushButton>(f, "CloseFindButton", design(553, 3, 64, 22));
    c.CloseFindButton->setText(QStringLiteral("Close"));
    for (QWidget *w : {static_cast<QWidget *>(c.FindString), static_cast<QWidget *>(c.FindOpt[0]),
                       static_cast<QWidget *>(c.FindOpt[1]), static_cast<QWidget *>(c.FindNextButton),
                       static_cast<QWidget *>(c.CloseFindButton)})
        w->setFocusPolicy(Qt::NoFocus);
}

void buildFontMap(QuorvilControls &c, const ActionCollection &a, QWidget *client)
{
    c.SplitBar = make<QWidget>(client, "SplitBar", design(7, 276, 758, 2));
    c.SplitBar->setCursor(Qt::SizeVerCursor);
    setTag(c.SplitBar, "Pull FontMap Up/Down");

    c.FMapContainer = new FontMapGrid(client);
    c.FMapContainer->setObjectName(QStringLiteral("FMapContainer"));
    c.FMapContainer->setAccessibleName(QStringLiteral("FontMap"));
    Twips::place(c.FMapContainer, design(5, 278, 761, 245));

    c.clbFontMap = new CoolBar(QStringLiteral("clbFontMap"), c.FMapContainer);
    Twips::place(c.clbFontMap, QRectF(0, 0, px(761), 375));

    c.tlbCustFMap = new ToolBar(QStringLiteral("tlbCustFMap"));
    c.tlbCustFMap->addCommand(QStringLiteral("CFMapNew"), a.action(QStringLiteral("FileCFMNew")), QStringLiteral("Create a New Custom FontMap"));
    c.tlbCustFMap->addCommand(QStringLiteral("CFMapLoad"), a.action(QStringLiteral("FileCFMLoad")), QStringLiteral("Load a Cutsom FontMap"), ToolBar::Style::DropDown);
    c.tlbCustFMap->addCommand(QStringLiteral("CFMapEdit"), a.action(QStringLiteral("FileCFMEdit")), QStringLiteral("Edit Current Custom FontMap"));
    c.tlbCustFMap->addCommand(QStringLiteral("CFMapUnld"), a.action(QStringLiteral("FileCFMUnld")), QStringLiteral("Unload Current Custom FontMap"));
    c.clbFontMap->addBand(c.tlbCustFMap, bandWidth("FMBand1Wdth"));

    c.tlbCFMapFmt = new ToolBar(QStringLiteral("tlbCFMapFmt"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMap+"), a.action(QStringLiteral("FMLarger")), QStringLiteral("Increase FontMap Size"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMap-"), a.action(QStringLiteral("FMSmaller")), QStringLiteral("Reduce FontMap Size"));
    c.pbxSetFMapSize = make<QWidget>(nullptr, "pbxSetFMapSize");
    c.pbxSetFMapSize->setFixedSize(124, 22);
    c.sldSetFMapSize = slider(c.pbxSetFMapSize, "sldSetFMapSize", design(0, 2, 98, 18), 1, 32, 1);
    setTag(c.sldSetFMapSize, "Set FontMap Size");
    c.lblSetFMapSizeNumber = label(c.pbxSetFMapSize, "lblSetFMapSizeNumber", QStringLiteral("1"),
                                   design(100, 3, 22, 16), Qt::AlignCenter);
    setTag(c.lblSetFMapSizeNumber, "FontMap Size (Click to Change)");
    c.tbxSetFMapSizeNumber = inlineEdit(c.pbxSetFMapSize, "tbxSetFMapSizeNumber", design(100, 3, 22, 16));
    setTag(c.tbxSetFMapSizeNumber, "Enter FontMap size");
    c.tlbCFMapFmt->addWidgetButton(QStringLiteral("FMapSld"), QStringLiteral("Adjust FontMap Size"), c.pbxSetFMapSize);
    c.tlbCFMapFmt->addCommand(QStringLiteral("RAFMap"), a.action(QStringLiteral("FMRealign")), QStringLiteral("Realign FontMap (Activates Map Sizing)"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMapFC"), a.action(QStringLiteral("FMFColor")), QStringLiteral("Set FontMap Font Color"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMapBC"), a.action(QStringLiteral("FMBColor")), QStringLiteral("Set FontMap Back Color"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMapH"), a.action(QStringLiteral("FMHiLite")), QStringLiteral("Show Mouse Highlight"));
    c.tlbCFMapFmt->addCommand(QStringLiteral("FMapG"), a.action(QStringLiteral("FMBorders")), QStringLiteral("Toggle FontMap Gridlines"));
    c.clbFontMap->addBand(c.tlbCFMapFmt, bandWidth("FMBand2Wdth"));

    c.pbxCFMName = make<QWidget>(nullptr, "pbxCFMName");
    c.tlbCFMapName = new ToolBar(QStringLiteral("tlbCFMapName"), c.pbxCFMName);
    Twips::place(c.tlbCFMapName, design(0, 0, 120, 23));
    c.tlbCFMapName->addButton(QStringLiteral("CFMName"), QStringLiteral("Custom Map currently loaded"));
    c.tlbCFMapName->button(QStringLiteral("CFMName"))->setText(QStringLiteral("Custom Map currently loaded"));
    c.tlbCFMapName->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The caption takes the room its font needs; the name follows it.
    Twips::setWidth(c.tlbCFMapName, px(std::max(120, c.tlbCFMapName->sizeHint().width())));
    c.lblCFMName = label(c.pbxCFMName, "lblCFMName", QString(),
                         QRectF(Twips::width(c.tlbCFMapName) + px(2), px(3), px(170), px(16)));
    setTag(c.lblCFMName, "Currently loaded Custom FontMap file name");
    c.clbFontMap->addBand(c.pbxCFMName, px(761) - bandWidth("FMBand1Wdth") - bandWidth("FMBand2Wdth"));
    c.clbFontMap->setBandVisible(3, false);

    c.FMapContainer->setCellGeometries(MapSizeSteps::designedCells());
}

void buildBottom(QuorvilControls &c, QWidget *client)
{
    c.LLVContainer = make<QWidget>(client, "LLVContainer", design(7, 523, 560, 17));
    // Two copies of one line, a pixel apart, in the FontMap's two colours: an engraved look.
    c.SampleText[0] = label(c.LLVContainer, "SampleText(0)", QString(), design(1, 1, 559, 16));
    c.SampleText[1] = label(c.LLVContainer, "SampleText(1)", QString(), design(0, 0, 559, 16));

    c.StatBar = make<QStatusBar>(client, "StatBar", design(616, 523, 150, 17));
    c.StatBar->setSizeGripEnabled(false);
    const char *names[] = {"NUM", "CAPS", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        c.StatPanels[i] = new QLabel(QString::fromLatin1(names[i]));
        c.StatPanels[i]->setObjectName(QString::fromLatin1(names[i]));
        c.StatPanels[i]->setAlignment(Qt::AlignCenter);
        c.StatPanels[i]->setMinimumWidth(40);
        c.StatBar->addPermanentWidget(c.StatPanels[i]);
    }
}

} // namespace

QuorvilControls buildQuorvilControls(QMainWindow *window, ActionCollection &a)
{
    QuorvilControls c;
    // The design's own font, for every control that does not choose another.
    window->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    c.menu = new MainMenu(window->menuBar(), a, window);
    addMenuTable(*c.menu);

    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("Client"));
    window->setCentralWidget(client);

    buildTopBar(c, a, client);
    buildViews(c, a, client);
    buildTextBoardBar(c, a, client);

    c.TextBoard = new TextBoardEdit(client);
    c.TextBoard->setAccessibleName(QStringLiteral("TextBoard"));
    Twips::place(c.TextBoard, design(143, 58, 623, 218));
    c.TextBoard->setMaxLength(61440);

    buildFindFrame(c, client);
    buildFontMap(c, a, client);
    buildBottom(c, client);
    return c;
}

// The main window's control tree at its designed places. Everything is placed in
// twips; the design was drawn at 15 twips per pixel, so the numbers below are pixels
// of that design times 15.
#include "app/QuorvilControls.h"

#include "app/CoolBar.h"
#include "app/MainMenu.h"
#include "app/ToolBar.h"
#include "app/Twips.h"
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

namespace {

constexpr double px(double pixels)
{
    return pixels * 15;
}

QRectF design(double x, double y, double w, double h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

template<typename W>
W *make(QWidget *parent, const char *name, const QRectF &twips = {})
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (!twips.isNull())
        Twips::place(w, twips);
    return w;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRectF &twips,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = make<QLabel>(parent, name, twips);
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(align);
    return l;
}

void setTag(QWidget *w, const char *tag)
{
    w->setProperty("Tag", QString::fromUtf8(tag));
}

QSlider *slider(QWidget *parent, const char *name, const QRectF &twips, int min, int max, int large)
{
    auto *s = make<QSlider>(parent, name, twips);
    s->setOrientation(Qt::Horizontal);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(large);
    return s;
}

QLineEdit *inlineEdit(QWidget *parent, const char *name, const QRectF &twips)
{
    auto *e = make<QLineEdit>(parent, name, twips);
    e->hide();
    e->setFrame(false);
    return e;
}

void buildTopBar(QuorvilControls &c, QWidget *client)
{
    c.CoolBarCM = new CoolBar(QStringLiteral("CoolBarCM"), client);
    Twips::place(c.CoolBarCM, design(7, 2, 759, 30));

    c.LoadSaveTB = new ToolBar(QStringLiteral("LoadSaveTB"));
    c.LoadSaveTB->addButton(QStringLiteral("Load"), QStringLiteral("Load Text from File"), ToolBar::Style::DropDown);
    c.LoadSaveTB->addButton(QStringLiteral("Save"), QStringLiteral("Save Text in File"));
    c.CoolBarCM->addBand(c.LoadSaveTB, 945);

    c.TBFContainer = make<QWidget>(nullptr, "TBFContainer");
    c.FontNameCombo = make<QComboBox>(c.TBFContainer, "FontNameCombo", design(4, 3, 400, 22));
    c.FontNameCombo->setMaxVisibleItems(20);
    setTag(c.FontNameCombo, "Select a Font");
    c.FontList = make<QListWidget>(c.TBFContainer, "FontList");
    c.FontList->hide();
    c.CoolBarCM->addBand(c.TBFContainer, 6240);

    c.FSZContainer = make<QWidget>(nullptr, "FSZContainer");
    c.FontSizeNumber = label(c.FSZContainer, "FontSizeNumber", QString(), design(4, 5, 22, 18), Qt::AlignCenter);
    setTag(c.FontSizeNumber, "Font Size (Click to Change)");
    c.FontSizeEdit = inlineEdit(c.FSZContainer, "FontSizeEdit", design(4, 5, 22, 18));
    setTag(c.FontSizeEdit, "Enter font size");
    c.FontSizeSlider = slider(c.FSZContainer, "FontSizeSlider", design(28, 4, 118, 20), 8, 36, 4);
    setTag(c.FontSizeSlider, "Set Font Size");
    c.CoolBarCM->addBand(c.FSZContainer, 2310);

    c.QrvlDefTB = new ToolBar(QStringLiteral("QrvlDefTB"));
    c.QrvlDefTB->addButton(QStringLiteral("Opt"), QStringLiteral("Set Default Options"));
    c.QrvlDefTB->addButton(QStringLiteral("KB"), QStringLiteral("View Keyboard Layout"));
    c.QrvlDefTB->addButton(QStringLiteral("FB"), QStringLiteral("Browse Fonts"));
    c.CoolBarCM->addBand(c.QrvlDefTB, 1230);
}

void buildViews(QuorvilControls &c, QWidget *client)
{
    c.ViewsContainer = make<QFrame>(client, "ViewsContainer", design(7, 34, 134, 242));
    c.ViewsContainer->setFrameShape(QFrame::StyledPanel);
    QWidget *vc = c.ViewsContainer;

    c.ViewsTB = new ToolBar(QStringLiteral("ViewsTB"), vc);
    Twips::place(c.ViewsTB, design(1, 1, 132, 23));
    c.ViewsTB->addButton(QStringLiteral("Zoom"), QString(), ToolBar::Style::Check);
    c.ViewsTB->addButton(QStringLiteral("Code"), QString(), ToolBar::Style::Check);
    c.ViewsTB->addButton(QStringLiteral("KS"), QString(), ToolBar::Style::Check);
    c.ViewsTB->addButton(QStringLiteral("VCRight"), QString(), ToolBar::Style::Check);
    c.ViewsTB->addButton(QStringLiteral("VCLeft"), QString(), ToolBar::Style::Check);

    c.TextZoom = label(vc, "TextZoom", QString(), QRectF(0, px(25), 2010, 2010), Qt::AlignCenter);
    c.TextZoom->setFrameShape(QFrame::Box);
    c.TextZoom->setAutoFillBackground(true);
    setTag(c.TextZoom, "Zoom View Area");

    c.ZoomSizeLabel = label(vc, "ZoomSizeLabel", QStringLiteral("Zoom Size:"), design(3, 161, 60, 16));
    c.ZoomSizeNumber = label(vc, "ZoomSizeNumber", QString(), design(66, 161, 30, 16));
    setTag(c.ZoomSizeNumber, "Zoom Size (Click to Change)");
    c.ZoomSizeEdit = inlineEdit(vc, "ZoomSizeEdit", design(66, 161, 30, 16));
    setTag(c.ZoomSizeEdit, "Enter zoom size");
    c.ZoomSizeSlider = slider(vc, "ZoomSizeSlider", design(2, 177, 130, 18), 8, 72, 5);
    setTag(c.ZoomSizeSlider, "Set Zoom Size");

    label(vc, "AscCodeCaption", QStringLiteral("Dec:"), design(3, 197, 24, 14));
    c.AscCode = label(vc, "AscCode", QString(), design(27, 197, 20, 14));
    label(vc, "HexCodeCaption", QStringLiteral("Hex:"), design(48, 197, 24, 14));
    c.HexCode = label(vc, "HexCode", QString(), design(72, 197, 18, 14));
    label(vc, "OctCodeCaption", QStringLiteral("Oct:"), design(91, 197, 22, 14));
    c.OctCode = label(vc, "OctCode", QString(), design(112, 197, 21, 14));
    label(vc, "BinCodeCaption", QStringLiteral("Bin"), design(3, 211, 24, 14));
    c.BinCode = label(vc, "BinCode", QString(), design(27, 211, 106, 14));
    c.CVACover = label(vc, "CVACover", QString(), design(0, 196, 134, 29));
    setTag(c.CVACover, "Code View Area");

    label(vc, "KSCaption", QStringLiteral("Keystroke:"), design(3, 226, 60, 14));
    c.KS = label(vc, "KS", QString(), design(63, 226, 70, 14));
    c.KVACover = label(vc, "KVACover", QString(), design(0, 225, 134, 16));
    setTag(c.KVACover, "Keystroke View Area");
}

void buildTextBoardBar(QuorvilControls &c, QWidget *client)
{
    c.CoolBarTB = new CoolBar(QStringLiteral("CoolBarTB"), client);
    Twips::place(c.CoolBarTB, design(143, 34, 623, 24));

    c.TBOperationsTB = new ToolBar(QStringLiteral("TBOperationsTB"));
    c.TBOperationsTB->addButton(QStringLiteral("ClearButton"), QStringLiteral("Unload TextBoard Contents"));
    c.TBOperationsTB->addButton(QStringLiteral("CopyButton"), QStringLiteral("Copy TextBoard Contents to Clipboard"));
    c.TBOperationsTB->addButton(QStringLiteral("CutButton"), QStringLiteral("Cut TextBoard Contents to Clipboard"));
    c.TBOperationsTB->addButton(QStringLiteral("PrintButton"), QStringLiteral("Print TextBoard Contents"));
    c.TBOperationsTB->addButton(QStringLiteral("FullScreen"), QStringLiteral("View TextBoard Full Screen"));
    c.CoolBarTB->addBand(c.TBOperationsTB, 1920);

    c.TextEditTB = new ToolBar(QStringLiteral("TextEditTB"));
    c.TextEditTB->addButton(QStringLiteral("Cut"), QStringLiteral("Cut"));
    c.TextEditTB->addButton(QStringLiteral("Copy"), QStringLiteral("Copy"));
    c.TextEditTB->addButton(QStringLiteral("Paste"), QStringLiteral("Paste"));
    c.TextEditTB->addButton(QStringLiteral("Find"), QStringLiteral("Find in TextBoard"), ToolBar::Style::Check);
    c.CoolBarTB->addBand(c.TextEditTB, 1575);

    c.FontFormatTB = new ToolBar(QStringLiteral("FontFormatTB"));
    c.FontFormatTB->addButton(QStringLiteral("Bold"), QStringLiteral("Toggle Bold Style"), ToolBar::Style::Check);
    c.FontFormatTB->addButton(QStringLiteral("Italic"), QStringLiteral("Toggle Italic Style"), ToolBar::Style::Check);
    c.FontFormatTB->addButton(QStringLiteral("Underline"), QStringLiteral("Toggle Underline Effect"),
                              ToolBar::Style::Check);
    c.FontFormatTB->addButton(QStringLiteral("Strikethrough"), QStringLiteral("Toggle Strikethrough Effect"),
                              ToolBar::Style::Check);
    c.FontFormatTB->addButton(QStringLiteral("Color"), QStringLiteral("Set TextBoard Font Color (Currently "));
    c.CoolBarTB->addBand(c.FontFormatTB, 2055);

    c.TextAlignTB = new ToolBar(QStringLiteral("TextAlignTB"));
    c.TextAlignTB->addButton(QStringLiteral("AlignLeft"), QStringLiteral("Align Text Left"), ToolBar::Style::Check);
    c.TextAlignTB->addButton(QStringLiteral("CenterText"), QStringLiteral("Center Text"), ToolBar::Style::Check);
    c.TextAlignTB->addButton(QStringLiteral("AlignRight"), QStringLiteral("Align Text Right"), ToolBar::Style::Check);
    c.CoolBarTB->addBand(c.TextAlignTB, 1230);

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
    c.ProgressFore = label(c.ProgressBack, "ProgressFore", QString(), design(0, 0, 0, 12));
    c.ProgressFore->setAutoFillBackground(true);
    c.ProgressFore->hide();
    c.CoolBarTB->addBand(c.TBCountersContainer, 2880);
}

void buildFindFrame(QuorvilControls &c, QWidget *client)
{
    c.FindFrame = make<QFrame>(client, "FindFrame", design(145, 248, 621, 28));
    c.FindFrame->setFrameShape(QFrame::StyledPanel);
    c.FindFrame->hide();
    QWidget *f = c.FindFrame;
    c.FindStrLabel = label(f, "FindStrLabel", QStringLiteral("Find:"), design(4, 6, 30, 16));
    c.FindString = make<QLineEdit>(f, "FindString", design(36, 4, 178, 20));
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

void buildFontMap(QuorvilControls &c, QWidget *client)
{
    c.SplitBar = make<QWidget>(client, "SplitBar", design(7, 276, 758, 2));
    c.SplitBar->setCursor(Qt::SizeVerCursor);
    setTag(c.SplitBar, "Pull FontMap Up/Down");

    c.FMapContainer = new FontMapGrid(client);
    c.FMapContainer->setObjectName(QStringLiteral("FMapContainer"));
    Twips::place(c.FMapContainer, design(5, 278, 761, 245));

    c.clbFontMap = new CoolBar(QStringLiteral("clbFontMap"), c.FMapContainer);
    Twips::place(c.clbFontMap, QRectF(0, 0, px(761), 375));

    c.tlbCustFMap = new ToolBar(QStringLiteral("tlbCustFMap"));
    c.tlbCustFMap->addButton(QStringLiteral("CFMapNew"), QStringLiteral("Create a New Custom FontMap"));
    c.tlbCustFMap->addButton(QStringLiteral("CFMapLoad"), QStringLiteral("Load a Cutsom FontMap"),
                             ToolBar::Style::DropDown);
    c.tlbCustFMap->addButton(QStringLiteral("CFMapEdit"), QStringLiteral("Edit Current Custom FontMap"));
    c.tlbCustFMap->addButton(QStringLiteral("CFMapUnld"), QStringLiteral("Unload Current Custom FontMap"));
    c.clbFontMap->addBand(c.tlbCustFMap, 1635);

    c.tlbCFMapFmt = new ToolBar(QStringLiteral("tlbCFMapFmt"));
    c.tlbCFMapFmt->addButton(QStringLiteral("FMap+"), QStringLiteral("Increase FontMap Size"));
    c.tlbCFMapFmt->addButton(QStringLiteral("FMap-"), QStringLiteral("Reduce FontMap Size"));
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
    c.tlbCFMapFmt->addButton(QStringLiteral("RAFMap"), QStringLiteral("Realign FontMap (Activates Map Sizing)"));
    c.tlbCFMapFmt->addButton(QStringLiteral("FMapFC"), QStringLiteral("Set FontMap Font Color"));
    c.tlbCFMapFmt->addButton(QStringLiteral("FMapBC"), QStringLiteral("Set FontMap Back Color"));
    c.tlbCFMapFmt->addButton(QStringLiteral("FMapH"), QStringLiteral("Show Mouse Highlight"), ToolBar::Style::Check);
    c.tlbCFMapFmt->addButton(QStringLiteral("FMapG"), QStringLiteral("Toggle FontMap Gridlines"), ToolBar::Style::Check);
    c.clbFontMap->addBand(c.tlbCFMapFmt, 5310);

    c.pbxCFMName = make<QWidget>(nullptr, "pbxCFMName");
    c.tlbCFMapName = new ToolBar(QStringLiteral("tlbCFMapName"), c.pbxCFMName);
    Twips::place(c.tlbCFMapName, design(0, 0, 120, 23));
    c.tlbCFMapName->addButton(QStringLiteral("CFMName"), QStringLiteral("Custom Map currently loaded"));
    c.tlbCFMapName->button(QStringLiteral("CFMName"))->setText(QStringLiteral("Custom Map currently loaded"));
    c.tlbCFMapName->setToolButtonStyle(Qt::ToolButtonTextOnly);
    c.lblCFMName = label(c.pbxCFMName, "lblCFMName", QString(), design(122, 3, 170, 16));
    setTag(c.lblCFMName, "Currently loaded Custom FontMap file name");
    c.clbFontMap->addBand(c.pbxCFMName, px(761) - 1635 - 5310);
    c.clbFontMap->setBandVisible(3, false);

    // The 224 cells at their designed places: 420 twips square, 405 twips apart, so
    // neighbours share their border line; the first row sits under the CoolBar.
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const int row = i / FontMapGrid::kColumns;
        const int col = i % FontMapGrid::kColumns;
        c.FMapContainer->setCellGeometry(i, QRectF(405.0 * col, 375.0 + 405.0 * row, 420, 420));
    }
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

QuorvilControls buildQuorvilControls(QMainWindow *window)
{
    QuorvilControls c;
    // The design's own font, for every control that does not choose another.
    window->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    c.menu = new MainMenu(window->menuBar(), window);

    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("Client"));
    window->setCentralWidget(client);

    buildTopBar(c, client);
    buildViews(c, client);
    buildTextBoardBar(c, client);

    c.TextBoard = new TextBoardEdit(client);
    Twips::place(c.TextBoard, design(143, 58, 623, 218));
    c.TextBoard->setMaxLength(61440);

    buildFindFrame(c, client);
    buildFontMap(c, client);
    buildBottom(c, client);
    return c;
}

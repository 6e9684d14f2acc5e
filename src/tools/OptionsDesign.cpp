// The Options dialog's controls, laid out top to bottom: the font and size areas side by
// side, the six tabs, the FontMap sample row and the two buttons. Boxes that show a sample
// keep a fixed size, so a large font is cut at their edges instead of growing the dialog.
#include "tools/OptionsControls.h"
#include "textboard/TextBoardEdit.h"

#include "tools/FontMapSampleRow.h"
#include "tools/rules/OptionDefaults.h"
#include "widgets/ColorResolve.h"
#include "widgets/FormDesign.h"
#include "widgets/TagToolTips.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace FormDesign;

namespace {

QString text(const char *t)
{
    return QString::fromUtf8(t);
}

template<typename W>
W *control(QWidget *parent, const char *name, const char *caption, const char *tag)
{
    auto *w = make<W>(parent, name);
    w->setText(text(caption));
    setTag(w, tag);
    return w;
}

// Enter presses the button that has the focus (the dialog keeps it from any other).
QPushButton *button(QWidget *parent, const char *name, const char *caption, const char *tag)
{
    return control<QPushButton>(parent, name, caption, tag);
}

QLabel *plain(QWidget *parent, const char *caption)
{
    return label(parent, "", text(caption), {});
}

// A sunken box that shows a name or a value.
QLabel *field(QWidget *parent, const char *name, const char *tag)
{
    auto *l = label(parent, name, QString(), {});
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    if (tag)
        setTag(l, tag);
    return l;
}

QLabel *swatch(QWidget *parent, const char *name, const char *tag)
{
    auto *l = field(parent, name, tag);
    nameByTag(l);
    l->setAutoFillBackground(true);
    l->setFixedSize(16, 16);
    return l;
}

QGroupBox *frame(QWidget *parent, const char *caption)
{
    return new QGroupBox(text(caption), parent);
}

// A number that is edited in place: the label, and over it the hidden edit of two characters.
QWidget *inlineNumber(QWidget *parent, QLabel *&number, const char *numberName, const char *numberTag,
                      QLineEdit *&edit, const char *editName, const char *editTag)
{
    auto *box = new QWidget(parent);
    const QRectF place(0, 0, px(28), px(20));
    Twips::place(box, place);
    box->setFixedSize(box->size());
    number = label(box, numberName, QString(), place, Qt::AlignCenter);
    setTag(number, numberTag);
    edit = inlineEdit(box, editName, place);
    edit->setMaxLength(2);
    edit->setAlignment(Qt::AlignCenter);
    setTag(edit, editTag);
    return box;
}

QWidget *page(QTabWidget *tabs, const char *caption)
{
    auto *p = new QWidget;
    tabs->addTab(p, text(caption));
    return p;
}

void buildFontAndSize(OptionsControls &c, QWidget *form, QHBoxLayout *row)
{
    row->addWidget(plain(form, "Font:"));
    c.OCurrentFont = field(form, "OCurrentFont", nullptr);
    c.OCurrentFont->setFixedWidth(260);
    row->addWidget(c.OCurrentFont);
    c.ChgFont = button(form, "ChgFont", "Change...", "Change font");
    row->addWidget(c.ChgFont);
    row->addStretch(1);
    row->addWidget(plain(form, "Size:"));
    c.OFontSizeSlider = slider(form, "OFontSizeSlider", {}, 8, 36, 4);
    c.OFontSizeSlider->setFixedWidth(150);
    setTag(c.OFontSizeSlider, "Set font size");
    row->addWidget(c.OFontSizeSlider);
    row->addWidget(inlineNumber(form, c.OFontSizeNumber, "OFontSizeNumber", "Font size (click to change)",
                                c.OFontSizeEdit, "OFontSizeEdit", "Enter font size"));
}

void buildTextBoardTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "TextBoard");
    auto *grid = new QGridLayout(p);

    QGroupBox *styles = frame(p, "Text Styles:");
    auto *stylesLayout = new QVBoxLayout(styles);
    c.OFFontBold = control<QCheckBox>(styles, "OFFontBold", "Bold", "Set font Bold style on/off");
    c.OFFontItalic = control<QCheckBox>(styles, "OFFontItalic", "Italic", "Set font Italic style on/off");
    stylesLayout->addWidget(c.OFFontBold);
    stylesLayout->addWidget(c.OFFontItalic);
    grid->addWidget(styles, 0, 0);

    QGroupBox *effects = frame(p, "Text Effects:");
    auto *effectsLayout = new QVBoxLayout(effects);
    c.OFFontUnderline = control<QCheckBox>(effects, "OFFontUnderline", "Underline", "Set font Underline effect on/off");
    c.OFFontStrikethrough = control<QCheckBox>(effects, "OFFontStrikethrough", "Strikethrough",
                                               "Set font Strikethrough effect on/off");
    effectsLayout->addWidget(c.OFFontUnderline);
    effectsLayout->addWidget(c.OFFontStrikethrough);
    grid->addWidget(effects, 0, 1);

    QGroupBox *alignment = frame(p, "Text Alignment:");
    auto *alignmentLayout = new QHBoxLayout(alignment);
    c.OAlign[0] = control<QRadioButton>(alignment, "OAlign(0)", "Left", "Select to left align text");
    c.OAlign[1] = control<QRadioButton>(alignment, "OAlign(1)", "Right", "Select to right align text");
    c.OAlign[2] = control<QRadioButton>(alignment, "OAlign(2)", "Center", "Select to center text");
    for (QRadioButton *b : c.OAlign)
        alignmentLayout->addWidget(b);
    grid->addWidget(alignment, 1, 0);

    QGroupBox *color = frame(p, "Text Color:");
    auto *colorLayout = new QHBoxLayout(color);
    c.OTBFColor = swatch(color, "OTBFColor", "Text color sample");
    c.OTBFColorName = field(color, "OTBFColorName", "Text color name");
    c.OTBFColorName->setMinimumWidth(80);
    c.ChgTBFColor = button(color, "ChgTBFColor", "Change...", "Change text color");
    colorLayout->addWidget(c.OTBFColor);
    colorLayout->addWidget(c.OTBFColorName, 1);
    colorLayout->addWidget(c.ChgTBFColor);
    grid->addWidget(color, 1, 1);

    auto *sampleRow = new QHBoxLayout;
    sampleRow->addWidget(plain(p, "Sample:"), 0, Qt::AlignTop);
    c.OTBSample = field(p, "OTBSample", "TextBoard sample");
    c.OTBSample->setText(text("Quorvil TextBoard text sample"));
    // The sample stands on the TextBoard's own paper.
    c.OTBSample->setAutoFillBackground(true);
    setBackColor(c.OTBSample, colorValueOf(TextBoardEdit::paper()));
    c.OTBSample->setFixedSize(440, 64);
    sampleRow->addWidget(c.OTBSample);
    sampleRow->addStretch(1);
    grid->addLayout(sampleRow, 2, 0, 1, 2);

    c.OOptMaxTB = control<QCheckBox>(p, "OOptMaxTB", "Maximize TextBoard when space permits",
                                     "Check to drop Views Area below if window width increases");
    grid->addWidget(c.OOptMaxTB, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

void buildFontMapTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "FontMap");
    auto *layout = new QVBoxLayout(p);

    QGroupBox *colors = frame(p, "Colors:");
    auto *grid = new QGridLayout(colors);
    grid->addWidget(plain(colors, "Palette"), 0, 2);
    grid->addWidget(plain(colors, "Name"), 0, 3);
    const auto row = [&](int r, const char *caption, QLabel *&sample, const char *sampleName, const char *sampleTag,
                         QLabel *&palette, const char *paletteName, const char *paletteTag, QLabel *&name,
                         const char *nameName, const char *nameTag, QPushButton *&change, const char *changeName,
                         const char *changeTag) {
        grid->addWidget(plain(colors, caption), r, 0);
        sample = swatch(colors, sampleName, sampleTag);
        grid->addWidget(sample, r, 1);
        palette = field(colors, paletteName, paletteTag);
        palette->setFixedWidth(70);
        grid->addWidget(palette, r, 2);
        name = field(colors, nameName, nameTag);
        name->setMinimumWidth(170);
        grid->addWidget(name, r, 3);
        change = button(colors, changeName, "Change...", changeTag);
        grid->addWidget(change, r, 4);
    };
    row(1, "Font:", c.OFMapFColor, "OFMapFColor", "FontMap font color sample", c.OFMFPalName, "OFMFPalName",
        "FontMap font color palette name", c.OFMFColorName, "OFMFColorName", "FontMap font color name", c.ChgFMFColor,
        "ChgFMFColor", "Change FontMap font color");
    row(2, "Back:", c.OFMapBColor, "OFMapBColor", "FontMap background color sample", c.OFMBPalName, "OFMBPalName",
        "FontMap background color palette name", c.OFMBColorName, "OFMBColorName", "FontMap background color name",
        c.ChgFMBColor, "ChgFMBColor", "Change FontMap background color");
    grid->setColumnStretch(3, 1);
    layout->addWidget(colors);

    auto *switches = new QHBoxLayout;
    c.OFMapHilite = control<QCheckBox>(p, "OFMapHilite", "Show Highlight", "Check to show FontMap mouse hightlight");
    c.OFMapBorders = control<QCheckBox>(p, "OFMapBorders", "Show Grid", "Check to show FontMap grid");
    switches->addWidget(c.OFMapHilite);
    switches->addWidget(c.OFMapBorders);
    switches->addStretch(1);
    layout->addLayout(switches);

    auto *startup = new QHBoxLayout;
    c.ochkInitMap = control<QCheckBox>(p, "ochkInitMap", "Startup Custom FontMap:",
                                       "Check to select a startup custom FontMap");
    c.olblInitMap = field(p, "olblInitMap", nullptr);
    c.olblInitMap->setMinimumWidth(150);
    c.ocmdInitMap = button(p, "ocmdInitMap", "Browse...", "Select a custom FontMap");
    startup->addWidget(c.ochkInitMap);
    startup->addWidget(c.olblInitMap, 1);
    startup->addWidget(c.ocmdInitMap);
    layout->addLayout(startup);
    layout->addStretch(1);
}

void buildViewsTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "Views");
    auto *grid = new QGridLayout(p);

    QGroupBox *show = frame(p, "Show:");
    auto *showLayout = new QVBoxLayout(show);
    c.OViewZoom = control<QCheckBox>(show, "OViewZoom", "Zoom View", "Check to show Zoom View");
    c.OViewCode = control<QCheckBox>(show, "OViewCode", "Code View", "Check to show Code View");
    c.OViewKS = control<QCheckBox>(show, "OViewKS", "Keystroke View", "Check to show Keystroke View");
    for (QCheckBox *b : {c.OViewZoom, c.OViewCode, c.OViewKS})
        showLayout->addWidget(b);
    grid->addWidget(show, 0, 0);

    QGroupBox *position = frame(p, "Position Views:");
    auto *positionLayout = new QVBoxLayout(position);
    c.OVCOnL = control<QRadioButton>(position, "OVCOnL", "On Left", "Select to position Views Area on left side");
    c.OVCOnR = control<QRadioButton>(position, "OVCOnR", "On Right", "Select to position Views Area on right side");
    positionLayout->addWidget(c.OVCOnL);
    positionLayout->addWidget(c.OVCOnR);
    grid->addWidget(position, 1, 0);

    auto *right = new QVBoxLayout;
    QGroupBox *zoom = frame(p, "Zoom Size:");
    auto *zoomLayout = new QHBoxLayout(zoom);
    c.OZoomSizeSlider = slider(zoom, "OZoomSizeSlider", {}, 8, 72, 8);
    setTag(c.OZoomSizeSlider, "Set zoom size");
    zoomLayout->addWidget(c.OZoomSizeSlider, 1);
    zoomLayout->addWidget(inlineNumber(zoom, c.OZoomSizeNumber, "OZoomSizeNumber", "Zoom size (click to change)",
                                       c.OZoomSizeEdit, "OZoomSizeEdit", "Enter zoom size"));
    right->addWidget(zoom);

    auto *sample = new QHBoxLayout;
    c.OTextZoom = label(p, "OTextZoom", QString(), {}, Qt::AlignCenter);
    c.OTextZoom->setFrameShape(QFrame::Box);
    c.OTextZoom->setAutoFillBackground(true);
    c.OTextZoom->setFixedSize(134, 134);
    setTag(c.OTextZoom, "Zoom View Area");
    nameByTag(c.OTextZoom);
    sample->addWidget(c.OTextZoom);
    QLabel *hint = plain(p, "Click on any letter below for it to be displayed here");
    hint->setWordWrap(true);
    sample->addWidget(hint, 1);
    right->addLayout(sample);
    right->addStretch(1);
    grid->addLayout(right, 0, 1, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
}

void buildDialogsTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "Dialogs");
    auto *layout = new QVBoxLayout(p);
    QGroupBox *display = frame(p, "Display:");
    auto *displayLayout = new QVBoxLayout(display);
    c.ODisplayOW = control<QCheckBox>(display, "ODisplayOW", "TextBoard (if unchanged) Unload/Overwrite Warning",
                                      "Check to display this warning");
    c.ODisplayCD = control<QCheckBox>(display, "ODisplayCD", "\"Text Copied to Clipboard\" Confirmation",
                                      "Check to display this warning");
    c.ODisplayEW = control<QCheckBox>(display, "ODisplayEW", "\"Discard Text and Exit\" Warning",
                                      "Check to display this warning");
    c.ODisplayCS = control<QCheckBox>(display, "ODisplayCS", "Use FontMap colors for all dialogs",
                                      "Check to use FontMap colors for all dialogs");
    for (QCheckBox *b : {c.ODisplayOW, c.ODisplayCD, c.ODisplayEW, c.ODisplayCS})
        displayLayout->addWidget(b);
    layout->addWidget(display);
    layout->addStretch(1);
}

void buildToolsTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "Tools");
    auto *layout = new QVBoxLayout(p);
    QGroupBox *sample = frame(p, "FontBrowser Sample Text:");
    auto *sampleLayout = new QVBoxLayout(sample);
    c.oSampleText = make<QLineEdit>(sample, "oSampleText");
    c.oSampleText->setMaxLength(OptionDefaults::kSampleTextMax);
    setTag(c.oSampleText, "Sample text to display (45 chars)");
    sampleLayout->addWidget(c.oSampleText);
    layout->addWidget(sample);

    QGroupBox *shift = frame(p, "Custom FontMap Editor - Highlight Movement:");
    auto *shiftLayout = new QVBoxLayout(shift);
    c.ooptShiftDir[0] = control<QRadioButton>(shift, "ooptShiftDir(0)", "Move Map highlight Horizontally",
                                              "Select to move highlight horizontally");
    c.ooptShiftDir[1] = control<QRadioButton>(shift, "ooptShiftDir(1)", "Move Map highlight Vertically",
                                              "Select to move highlight vertically");
    shiftLayout->addWidget(c.ooptShiftDir[0]);
    shiftLayout->addWidget(c.ooptShiftDir[1]);
    layout->addWidget(shift);
    layout->addStretch(1);
}

void buildGeneralTab(OptionsControls &c, QTabWidget *tabs)
{
    QWidget *p = page(tabs, "General");
    auto *layout = new QVBoxLayout(p);
    QGroupBox *load = frame(p, "Load .TXT Files:");
    auto *loadLayout = new QVBoxLayout(load);
    c.OOptLoadTD[0] = control<QRadioButton>(load, "OOptLoadTD(1)", "Using Default Settings",
                                            "Select to load .TXT files with default settings");
    c.OOptLoadTD[1] = control<QRadioButton>(load, "OOptLoadTD(2)", "Using Current Settings",
                                            "Select to load .TXT files with current settings");
    loadLayout->addWidget(c.OOptLoadTD[0]);
    loadLayout->addWidget(c.OOptLoadTD[1]);
    layout->addWidget(load);

    QGroupBox *unload = frame(p, "After TextBoard Unload:");
    auto *unloadLayout = new QVBoxLayout(unload);
    c.OOptUnloadTD[0] = control<QRadioButton>(unload, "OOptUnloadTD(1)", "Restore Default Settings",
                                              "Select to restore default settings after TextBoard unload");
    c.OOptUnloadTD[1] = control<QRadioButton>(unload, "OOptUnloadTD(2)", "Keep Current Settings",
                                              "Select to keep current settings after TextBoard unload");
    unloadLayout->addWidget(c.OOptUnloadTD[0]);
    unloadLayout->addWidget(c.OOptUnloadTD[1]);
    layout->addWidget(unload);

    c.ODisplayTT = control<QCheckBox>(p, "ODisplayTT", "Show ToolTips", "Check to show tooltips");
    layout->addWidget(c.ODisplayTT);
    layout->addStretch(1);
}

void buildSampleRow(OptionsControls &c, QWidget *form, QVBoxLayout *layout)
{
    auto *grid = new QGridLayout;
    QLabel *caption = plain(form, "FontMap Sample (size 1):");
    grid->addWidget(caption, 0, 0, 1, 2);
    c.OCharButton = new FontMapSampleRow(form);
    c.OCharButton->setObjectName(text("OCharButton"));
    setTag(c.OCharButton, "FontMap sample");
    c.OCharButton->setMarkerTag(QStringLiteral("Selected zoom character"));
    grid->addWidget(c.OCharButton, 1, 0);
    c.OCharButtonScroll = make<QScrollBar>(form, "OCharButtonScroll");
    c.OCharButtonScroll->setOrientation(Qt::Horizontal);
    c.OCharButtonScroll->setRange(OptionDefaults::kSampleStartMin, OptionDefaults::kSampleStartMax);
    c.OCharButtonScroll->setPageStep(OptionDefaults::kSampleCells);
    c.OCharButtonScroll->setFixedWidth(c.OCharButton->width());
    caption->setBuddy(c.OCharButtonScroll);
    grid->addWidget(c.OCharButtonScroll, 2, 0);

    auto *codes = new QHBoxLayout;
    codes->addWidget(plain(form, "Dec:"));
    c.OCharButtonStart = label(form, "OCharButtonStart", QString(), {});
    codes->addWidget(c.OCharButtonStart);
    codes->addWidget(plain(form, "-"));
    c.OCharButtonEnd = label(form, "OCharButtonEnd", QString(), {});
    codes->addWidget(c.OCharButtonEnd);
    codes->addStretch(1);
    grid->addLayout(codes, 1, 1);
    QLabel *hint = plain(form, "Click on any letter to zoom it (in \"Views\" tab)");
    grid->addWidget(hint, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
}

} // namespace

OptionsControls buildOptionsControls(QDialog *form)
{
    OptionsControls c;
    auto *layout = new QVBoxLayout(form);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *top = new QHBoxLayout;
    buildFontAndSize(c, form, top);
    layout->addLayout(top);

    c.SSTabOption = make<QTabWidget>(form, "SSTabOption");
    buildTextBoardTab(c, c.SSTabOption);
    buildFontMapTab(c, c.SSTabOption);
    buildViewsTab(c, c.SSTabOption);
    buildDialogsTab(c, c.SSTabOption);
    buildToolsTab(c, c.SSTabOption);
    buildGeneralTab(c, c.SSTabOption);
    layout->addWidget(c.SSTabOption);

    buildSampleRow(c, form, layout);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    c.cmdOK = button(form, "cmdOK", "Set", "Ok");
    c.cmdCancel = button(form, "cmdCancel", "Cancel", "Cancel");
    buttons->addWidget(c.cmdOK);
    buttons->addWidget(c.cmdCancel);
    layout->addLayout(buttons);
    return c;
}

#include "app/MenuTable.h"

#include "widgets/MainMenu.h"

#include <QAction>

void addMenuTable(MainMenu &menus)
{
    menus.addMenu({}, "ItemFile", "&File");
    menus.addMenu("ItemFile", "FileTF", "&Text File");
    menus.addItem("FileTF", "FileLoad", "&Load Text from File...", "Ctrl+L");
    menus.addItem("FileTF", "FileSave", "&Save Text in File...", "Ctrl+S");
    menus.addSeparator("FileTF", "FileSep3")->setVisible(false);
    for (int i = 1; i <= 9; ++i)
        menus.addItem("FileTF", QStringLiteral("FileMRU(%1)").arg(i), QString())->setVisible(false);
    menus.addSeparator("ItemFile", "FileSep1");
    menus.addMenu("ItemFile", "FileCFM", "Custom Font&Map");
    menus.addItem("FileCFM", "FileCFMLoad", "&Load...");
    menus.addItem("FileCFM", "FileCFMNew", "&New...");
    menus.addItem("FileCFM", "FileCFMEdit", "&Edit...");
    menus.addItem("FileCFM", "FileCFMUnld", "&Unload");
    menus.addSeparator("FileCFM", "FileSep2")->setVisible(false);
    for (int i = 1; i <= 5; ++i)
        menus.addItem("FileCFM", QStringLiteral("CFMRU(%1)").arg(i), QString())->setVisible(false);
    menus.addSeparator("ItemFile", "FileSep4");
    menus.addItem("ItemFile", "FileExit", "E&xit");

    menus.addMenu({}, "ItemEdit", "&Edit");
    menus.addItem("ItemEdit", "EditCut", "Cu&t", "Ctrl+X");
    menus.addItem("ItemEdit", "EditCopy", "&Copy", "Ctrl+C");
    menus.addItem("ItemEdit", "EditPaste", "&Paste", "Ctrl+V");
    menus.addItem("ItemEdit", "EditDelete", "&Delete", "Ctrl+D");
    menus.addSeparator("ItemEdit", "EditSep1");
    menus.addItem("ItemEdit", "EditSelectAll", "Select &All", "Ctrl+A");
    menus.addSeparator("ItemEdit", "EditSep2");
    menus.addItem("ItemEdit", "EditFind", "&Find...", "Ctrl+F", true);
    menus.addItem("ItemEdit", "EditFindAgain", "Find A&gain", "F3");

    menus.addMenu({}, "ItemView", "&Views");
    menus.addItem("ItemView", "ViewZoom", "&Zoom View", {}, true);
    menus.addItem("ItemView", "ViewCode", "&Code View", {}, true);
    menus.addItem("ItemView", "ViewKS", "&Keystroke View", {}, true);
    menus.addSeparator("ItemView", "ViewSep");
    menus.addItem("ItemView", "ViewAll", "&All Views", {}, true);

    menus.addMenu({}, "ItemFormat", "F&ormat");
    menus.addMenu("ItemFormat", "FormatTB", "&TextBoard");
    menus.addItem("FormatTB", "FormatFont", "&Font...");
    menus.addSeparator("FormatTB", "FormatTBSep1");
    menus.addItem("FormatTB", "FFontBold", "&Bold Font", "Ctrl+B", true);
    menus.addItem("FormatTB", "FFontItalic", "&Italic Font", "Ctrl+I", true);
    menus.addSeparator("FormatTB", "FormatTBSep2");
    menus.addItem("FormatTB", "FFontUnderline", "&Underline Font", "Ctrl+U", true);
    menus.addItem("FormatTB", "FFontStrikethrough", "Stri&kethrough Font", "Ctrl+K", true);
    menus.addItem("FormatTB", "FFontColor", "Font C&olor...");
    menus.addSeparator("FormatTB", "FormatTBSep3");
    menus.addItem("FormatTB", "AlignLeft", "&Left Align Text", {}, true);
    menus.addItem("FormatTB", "AlignCenter", "&Center Text", {}, true);
    menus.addItem("FormatTB", "AlignRight", "&Right Align Text", {}, true);
    menus.addMenu("ItemFormat", "FormatFM", "Font&Map");
    menus.addItem("FormatFM", "FMSmaller", "&Smaller");
    menus.addItem("FormatFM", "FMLarger", "&Larger");
    menus.addItem("FormatFM", "FMRealign", "&Realign");
    menus.addSeparator("FormatFM", "FormatFMSep1");
    menus.addItem("FormatFM", "FMFColor", "&Font Color...");
    menus.addItem("FormatFM", "FMBColor", "&Background Color...");
    menus.addSeparator("FormatFM", "FormatFMSep2");
    menus.addItem("FormatFM", "FMHiLite", "&Mouse Highlight", {}, true);
    menus.addSeparator("FormatFM", "FormatFMSep3");
    menus.addItem("FormatFM", "FMBorders", "Show &Grid", {}, true);

    menus.addMenu({}, "ItemTools", "&Tools");
    menus.addItem("ItemTools", "ToolsCopy", "&Copy TextBoard to Clipboard");
    menus.addItem("ItemTools", "ToolsCut", "Cu&t TextBoard to Clipboard");
    menus.addItem("ItemTools", "ToolsFS", "&View TextBoard Full Screen...");
    menus.addItem("ItemTools", "ToolsPrint", "&Print TextBoard Contents...");
    menus.addItem("ItemTools", "ToolsClear", "&Unload TextBoard Contents");
    menus.addSeparator("ItemTools", "ToolsSep1");
    menus.addItem("ItemTools", "ToolsFB", "&Browse Fonts...");
    menus.addItem("ItemTools", "ToolsKB", "View &Keyboard Layout...");
    menus.addSeparator("ItemTools", "ToolsSep2");
    menus.addItem("ItemTools", "ToolsOpt", "Default &Options...");

    menus.addMenu({}, "ItemDisplay", "To&ggles");
    menus.addItem("ItemDisplay", "OptLoadTD", "&Load .TXT Files with TextBoard Defaults", {}, true);
    menus.addItem("ItemDisplay", "OptUnloadTD", "&Restore TextBoard Defaults after Unload", {}, true);
    menus.addSeparator("ItemDisplay", "DisplaySep1");
    menus.addMenu("ItemDisplay", "OptPosVC", "&Position Views");
    menus.addItem("OptPosVC", "VCOnL", "On &Left", {}, true);
    menus.addItem("OptPosVC", "VCOnR", "On &Right", {}, true);
    menus.addSeparator("ItemDisplay", "DisplaySep2");
    menus.addItem("ItemDisplay", "DisplayCD", "Display \"Text Cut/Copied to Clipboard\" &Confirmation", {}, true);
    menus.addItem("ItemDisplay", "DisplayOW", "Display TextBoard &Overwrite Warning", {}, true);
    menus.addItem("ItemDisplay", "DisplayEW", "Display \"Discard Text and Exit?\" &Warning", {}, true);
    menus.addSeparator("ItemDisplay", "DisplaySep3");
    menus.addItem("ItemDisplay", "DisplayCS", "Use FontMap Color Scheme in &Dialogs", {}, true);
    menus.addSeparator("ItemDisplay", "DisplaySep4");
    menus.addItem("ItemDisplay", "DisplayTT", "Show &ToolTips", {}, true);

    menus.addMenu({}, "ItemHelp", "&Help");
    menus.addItem("ItemHelp", "HelpContents", "&Contents...")->setVisible(false);
    menus.addItem("ItemHelp", "HelpReadme", "Open &Readme File");
    menus.addSeparator("ItemHelp", "HelpSep1")->setVisible(false);
    menus.addItem("ItemHelp", "HelpCheckUpd", "Check for &Updates...");
    menus.addItem("ItemHelp", "HelpVisit", "Visit Quorvil &Home Page...");
    menus.addItem("ItemHelp", "HelpFeedback", "&E-Mail Quorvil Feedback...");
    menus.addSeparator("ItemHelp", "HelpSep2");
    menus.addItem("ItemHelp", "HelpAbout", "&About...");
}

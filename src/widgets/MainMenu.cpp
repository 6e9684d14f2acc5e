#include "widgets/MainMenu.h"

#include "widgets/ActionCollection.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar, ActionCollection &commands, QWidget *window)
    : QObject(window)
    , m_bar(bar)
    , m_window(window)
    , m_commands(commands)
{
    addMenu({}, "ItemFile", "&File");
    addMenu("ItemFile", "FileTF", "&Text File");
    addItem("FileTF", "FileLoad", "&Load Text from File...", "Ctrl+L");
    addItem("FileTF", "FileSave", "&Save Text in File...", "Ctrl+S");
    addSeparator("FileTF", "FileSep3")->setVisible(false);
    for (int i = 1; i <= 9; ++i)
        addItem("FileTF", QStringLiteral("FileMRU(%1)").arg(i), QString())->setVisible(false);
    addSeparator("ItemFile", "FileSep1");
    addMenu("ItemFile", "FileCFM", "Custom Font&Map");
    addItem("FileCFM", "FileCFMLoad", "&Load...");
    addItem("FileCFM", "FileCFMNew", "&New...");
    addItem("FileCFM", "FileCFMEdit", "&Edit...");
    addItem("FileCFM", "FileCFMUnld", "&Unload");
    addSeparator("FileCFM", "FileSep2")->setVisible(false);
    for (int i = 1; i <= 5; ++i)
        addItem("FileCFM", QStringLiteral("CFMRU(%1)").arg(i), QString())->setVisible(false);
    addSeparator("ItemFile", "FileSep4");
    addItem("ItemFile", "FileExit", "E&xit");

    addMenu({}, "ItemEdit", "&Edit");
    addItem("ItemEdit", "EditCut", "Cu&t", "Ctrl+X");
    addItem("ItemEdit", "EditCopy", "&Copy", "Ctrl+C");
    addItem("ItemEdit", "EditPaste", "&Paste", "Ctrl+V");
    addItem("ItemEdit", "EditDelete", "&Delete", "Ctrl+D");
    addSeparator("ItemEdit", "EditSep1");
    addItem("ItemEdit", "EditSelectAll", "Select &All", "Ctrl+A");
    addSeparator("ItemEdit", "EditSep2");
    addItem("ItemEdit", "EditFind", "&Find...", "Ctrl+F", true);
    addItem("ItemEdit", "EditFindAgain", "Find A&gain", "F3");

    addMenu({}, "ItemView", "&Views");
    addItem("ItemView", "ViewZoom", "&Zoom View", {}, true);
    addItem("ItemView", "ViewCode", "&Code View", {}, true);
    addItem("ItemView", "ViewKS", "&Keystroke View", {}, true);
    addSeparator("ItemView", "ViewSep");
    addItem("ItemView", "ViewAll", "&All Views", {}, true);

    addMenu({}, "ItemFormat", "F&ormat");
    addMenu("ItemFormat", "FormatTB", "&TextBoard");
    addItem("FormatTB", "FormatFont", "&Font...");
    addSeparator("FormatTB", "FormatTBSep1");
    addItem("FormatTB", "FFontBold", "&Bold Font", "Ctrl+B", true);
    addItem("FormatTB", "FFontItalic", "&Italic Font", "Ctrl+I", true);
    addSeparator("FormatTB", "FormatTBSep2");
    addItem("FormatTB", "FFontUnderline", "&Underline Font", "Ctrl+U", true);
    addItem("FormatTB", "FFontStrikethrough", "Stri&kethrough Font", "Ctrl+K", true);
    addItem("FormatTB", "FFontColor", "Font C&olor...");
    addSeparator("FormatTB", "FormatTBSep3");
    addItem("FormatTB", "AlignLeft", "&Left Align Text", {}, true);
    addItem("FormatTB", "AlignCenter", "&Center Text", {}, true);
    addItem("FormatTB", "AlignRight", "&Right Align Text", {}, true);
    addMenu("ItemFormat", "FormatFM", "Font&Map");
    addItem("FormatFM", "FMSmaller", "&Smaller");
    addItem("FormatFM", "FMLarger", "&Larger");
    addItem("FormatFM", "FMRealign", "&Realign");
    addSeparator("FormatFM", "FormatFMSep1");
    addItem("FormatFM", "FMFColor", "&Font Color...");
    addItem("FormatFM", "FMBColor", "&Background Color...");
    addSeparator("FormatFM", "FormatFMSep2");
    addItem("FormatFM", "FMHiLite", "&Mouse Highlight", {}, true);
    addSeparator("FormatFM", "FormatFMSep3");
    addItem("FormatFM", "FMBorders", "Show &Grid", {}, true);

    addMenu({}, "ItemTools", "&Tools");
    addItem("ItemTools", "ToolsCopy", "&Copy TextBoard to Clipboard");
    addItem("ItemTools", "ToolsCut", "Cu&t TextBoard to Clipboard");
    addItem("ItemTools", "ToolsFS", "&View TextBoard Full Screen...");
    addItem("ItemTools", "ToolsPrint", "&Print TextBoard Contents...");
    addItem("ItemTools", "ToolsClear", "&Unload TextBoard Contents");
    addSeparator("ItemTools", "ToolsSep1");
    addItem("ItemTools", "ToolsFB", "&Browse Fonts...");
    addItem("ItemTools", "ToolsKB", "View &Keyboard Layout...");
    addSeparator("ItemTools", "ToolsSep2");
    addItem("ItemTools", "ToolsOpt", "Default &Options...");

    addMenu({}, "ItemDisplay", "To&ggles");
    addItem("ItemDisplay", "OptLoadTD", "&Load .TXT Files with TextBoard Defaults", {}, true);
    addItem("ItemDisplay", "OptUnloadTD", "&Restore TextBoard Defaults after Unload", {}, true);
    addSeparator("ItemDisplay", "DisplaySep1");
    addMenu("ItemDisplay", "OptPosVC", "&Position Views");
    addItem("OptPosVC", "VCOnL", "On &Left", {}, true);
    addItem("OptPosVC", "VCOnR", "On &Right", {}, true);
    addSeparator("ItemDisplay", "DisplaySep2");
    addItem("ItemDisplay", "DisplayCD", "Display \"Text Cut/Copied to Clipboard\" &Confirmation", {}, true);
    addItem("ItemDisplay", "DisplayOW", "Display TextBoard &Overwrite Warning", {}, true);
    addItem("ItemDisplay", "DisplayEW", "Display \"Discard Text and Exit?\" &Warning", {}, true);
    addSeparator("ItemDisplay", "DisplaySep3");
    addItem("ItemDisplay", "DisplayCS", "Use FontMap Color Scheme in &Dialogs", {}, true);
    addSeparator("ItemDisplay", "DisplaySep4");
    addItem("ItemDisplay", "DisplayTT", "Show &ToolTips", {}, true);

    addMenu({}, "ItemHelp", "&Help");
    addItem("ItemHelp", "HelpContents", "&Contents...")->setVisible(false);
    addItem("ItemHelp", "HelpReadme", "Open &Readme File");
    addSeparator("ItemHelp", "HelpSep1")->setVisible(false);
    addItem("ItemHelp", "HelpCheckUpd", "Check for &Updates...");
    addItem("ItemHelp", "HelpVisit", "Visit Quorvil &Home Page...");
    addItem("ItemHelp", "HelpFeedback", "&E-Mail Quorvil Feedback...");
    addSeparator("ItemHelp", "HelpSep2");
    addItem("ItemHelp", "HelpAbout", "&About...");
}

void MainMenu::addMenu(const QString &parent, const QString &name, const QString &caption)
{
    if (parent.isEmpty()) {
        QMenu *menu = m_bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        m_topLevel.append(name);
        m_menus.insert(name, menu);
        m_items.insert(name, menu->menuAction());
        // Filled before it shows: Qt lays a menu out after this signal.
        connect(menu, &QMenu::aboutToShow, this, [this, menu, name] { fill(menu, name); });
        return;
    }
    auto *item = new QAction(caption, this);
    item->setObjectName(name);
    m_parents.insert(name, parent);
    m_entries[parent].append(item);
    m_items.insert(name, item);
}

QAction *MainMenu::addItem(const QString &menu, const QString &name, const QString &caption, const QString &shortcut,
                           bool checkable)
{
    QAction *action = m_commands.add(name, caption, checkable);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
    }
    m_entries[menu].append(action);
    m_items.insert(name, action);
    return action;
}

QAction *MainMenu::addSeparator(const QString &menu, const QString &name)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    separator->setObjectName(name);
    m_entries[menu].append(separator);
    m_items.insert(name, separator);
    return separator;
}

void MainMenu::fill(QMenu *menu, const QString &name)
{
    if (m_filled.contains(name))
        return;
    m_filled.insert(name);
    for (QAction *entry : m_entries.value(name)) {
        const QString entryName = entry->objectName();
        if (m_parents.contains(entryName)) {
            auto *submenu = new QMenu(entry->text(), menu);
            submenu->setObjectName(entryName);
            m_menus.insert(entryName, submenu);
            fill(submenu, entryName);
            entry->setMenu(submenu);
        }
        menu->addAction(entry);
    }
}

QString MainMenu::topLevelOf(const QString &name) const
{
    QString top = name;
    while (m_parents.contains(top))
        top = m_parents.value(top);
    return top;
}

QAction *MainMenu::item(const QString &name) const
{
    return m_items.value(name);
}

QMenu *MainMenu::menu(const QString &name)
{
    const QString top = topLevelOf(name);
    if (QMenu *topMenu = m_menus.value(top))
        fill(topMenu, top);
    return m_menus.value(name);
}

void MainMenu::setVisible(const QString &name, bool visible)
{
    if (QAction *a = item(name))
        a->setVisible(visible);
}

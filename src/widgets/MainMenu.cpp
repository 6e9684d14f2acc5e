#include "widgets/MainMenu.h"

#include "widgets/ActionCollection.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar, ActionCollection &commands, QObject *parent)
    : QObject(parent)
    , m_bar(bar)
    , m_commands(commands)
{
    const auto text = [](const char *s) { return QString::fromUtf8(s); };

    QMenu *file = addMenu(nullptr, text("ItemFile"), text("&File"));
    QMenu *tf = addMenu(file, text("FileTF"), text("&Text File"));
    addItem(tf, text("FileLoad"), text("&Load Text from File..."), text("Ctrl+L"));
    addItem(tf, text("FileSave"), text("&Save Text in File..."), text("Ctrl+S"));
    addSeparator(tf, text("FileSep3"))->setVisible(false);
    for (int i = 1; i <= 9; ++i)
        addItem(tf, QStringLiteral("FileMRU(%1)").arg(i), QString())->setVisible(false);
    addSeparator(file, text("FileSep1"));
    QMenu *cfm = addMenu(file, text("FileCFM"), text("Custom Font&Map"));
    addItem(cfm, text("FileCFMLoad"), text("&Load..."));
    addItem(cfm, text("FileCFMNew"), text("&New..."));
    addItem(cfm, text("FileCFMEdit"), text("&Edit..."));
    addItem(cfm, text("FileCFMUnld"), text("&Unload"));
    addSeparator(cfm, text("FileSep2"))->setVisible(false);
    for (int i = 1; i <= 5; ++i)
        addItem(cfm, QStringLiteral("CFMRU(%1)").arg(i), QString())->setVisible(false);
    addSeparator(file, text("FileSep4"));
    addItem(file, text("FileExit"), text("E&xit"));

    QMenu *edit = addMenu(nullptr, text("ItemEdit"), text("&Edit"));
    addItem(edit, text("EditCut"), text("Cu&t"), text("Ctrl+X"));
    addItem(edit, text("EditCopy"), text("&Copy"), text("Ctrl+C"));
    addItem(edit, text("EditPaste"), text("&Paste"), text("Ctrl+V"));
    addItem(edit, text("EditDelete"), text("&Delete"), text("Ctrl+D"));
    addSeparator(edit, text("EditSep1"));
    addItem(edit, text("EditSelectAll"), text("Select &All"), text("Ctrl+A"));
    addSeparator(edit, text("EditSep2"));
    addItem(edit, text("EditFind"), text("&Find..."), text("Ctrl+F"), true);
    addItem(edit, text("EditFindAgain"), text("Find A&gain"), text("F3"));

    QMenu *views = addMenu(nullptr, text("ItemView"), text("&Views"));
    addItem(views, text("ViewZoom"), text("&Zoom View"), {}, true);
    addItem(views, text("ViewCode"), text("&Code View"), {}, true);
    addItem(views, text("ViewKS"), text("&Keystroke View"), {}, true);
    addSeparator(views, text("ViewSep"));
    addItem(views, text("ViewAll"), text("&All Views"), {}, true);

    QMenu *format = addMenu(nullptr, text("ItemFormat"), text("F&ormat"));
    QMenu *ftb = addMenu(format, text("FormatTB"), text("&TextBoard"));
    addItem(ftb, text("FormatFont"), text("&Font..."));
    addSeparator(ftb, text("FormatTBSep1"));
    addItem(ftb, text("FFontBold"), text("&Bold Font"), text("Ctrl+B"), true);
    addItem(ftb, text("FFontItalic"), text("&Italic Font"), text("Ctrl+I"), true);
    addSeparator(ftb, text("FormatTBSep2"));
    addItem(ftb, text("FFontUnderline"), text("&Underline Font"), text("Ctrl+U"), true);
    addItem(ftb, text("FFontStrikethrough"), text("Stri&kethrough Font"), text("Ctrl+K"), true);
    addItem(ftb, text("FFontColor"), text("Font C&olor..."));
    addSeparator(ftb, text("FormatTBSep3"));
    addItem(ftb, text("AlignLeft"), text("&Left Align Text"), {}, true);
    addItem(ftb, text("AlignCenter"), text("&Center Text"), {}, true);
    addItem(ftb, text("AlignRight"), text("&Right Align Text"), {}, true);
    QMenu *ffm = addMenu(format, text("FormatFM"), text("Font&Map"));
    addItem(ffm, text("FMSmaller"), text("&Smaller"));
    addItem(ffm, text("FMLarger"), text("&Larger"));
    addItem(ffm, text("FMRealign"), text("&Realign"));
    addSeparator(ffm, text("FormatFMSep1"));
    addItem(ffm, text("FMFColor"), text("&Font Color..."));
    addItem(ffm, text("FMBColor"), text("&Background Color..."));
    addSeparator(ffm, text("FormatFMSep2"));
    addItem(ffm, text("FMHiLite"), text("&Mouse Highlight"), {}, true);
    addSeparator(ffm, text("FormatFMSep3"));
    addItem(ffm, text("FMBorders"), text("Show &Grid"), {}, true);

    QMenu *tools = addMenu(nullptr, text("ItemTools"), text("&Tools"));
    addItem(tools, text("ToolsCopy"), text("&Copy TextBoard to Clipboard"));
    addItem(tools, text("ToolsCut"), text("Cu&t TextBoard to Clipboard"));
    addItem(tools, text("ToolsFS"), text("&View TextBoard Full Screen..."));
    addItem(tools, text("ToolsPrint"), text("&Print TextBoard Contents..."));
    addItem(tools, text("ToolsClear"), text("&Unload TextBoard Contents"));
    addSeparator(tools, text("ToolsSep1"));
    addItem(tools, text("ToolsFB"), text("&Browse Fonts..."));
    addItem(tools, text("ToolsKB"), text("View &Keyboard Layout..."));
    addSeparator(tools, text("ToolsSep2"));
    addItem(tools, text("ToolsOpt"), text("Default &Options..."));

    QMenu *toggles = addMenu(nullptr, text("ItemDisplay"), text("To&ggles"));
    addItem(toggles, text("OptLoadTD"), text("&Load .TXT Files with TextBoard Defaults"), {}, true);
    addItem(toggles, text("OptUnloadTD"), text("&Restore TextBoard Defaults after Unload"), {}, true);
    addSeparator(toggles, text("DisplaySep1"));
    QMenu *pos = addMenu(toggles, text("OptPosVC"), text("&Position Views"));
    addItem(pos, text("VCOnL"), text("On &Left"), {}, true);
    addItem(pos, text("VCOnR"), text("On &Right"), {}, true);
    addSeparator(toggles, text("DisplaySep2"));
    addItem(toggles, text("DisplayCD"), text("Display \"Text Cut/Copied to Clipboard\" &Confirmation"), {}, true);
    addItem(toggles, text("DisplayOW"), text("Display TextBoard &Overwrite Warning"), {}, true);
    addItem(toggles, text("DisplayEW"), text("Display \"Discard Text and Exit?\" &Warning"), {}, true);
    addSeparator(toggles, text("DisplaySep3"));
    addItem(toggles, text("DisplayCS"), text("Use FontMap Color Scheme in &Dialogs"), {}, true);
    addSeparator(toggles, text("DisplaySep4"));
    addItem(toggles, text("DisplayTT"), text("Show &ToolTips"), {}, true);

    QMenu *help = addMenu(nullptr, text("ItemHelp"), text("&Help"));
    addItem(help, text("HelpContents"), text("&Contents..."))->setVisible(false);
    addItem(help, text("HelpReadme"), text("Open &Readme File"));
    addSeparator(help, text("HelpSep1"))->setVisible(false);
    addItem(help, text("HelpCheckUpd"), text("Check for &Updates..."));
    addItem(help, text("HelpVisit"), text("Visit Quorvil &Home Page..."));
    addItem(help, text("HelpFeedback"), text("&E-Mail Quorvil Feedback..."));
    addSeparator(help, text("HelpSep2"));
    addItem(help, text("HelpAbout"), text("&About..."));
}

QMenu *MainMenu::addMenu(QMenu *parent, const QString &name, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(caption) : m_bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    m_items.insert(name, menu->menuAction());
    connect(menu, &QMenu::aboutToShow, this, [this, name] { Q_EMIT menuOpening(name); });
    return menu;
}

QAction *MainMenu::addItem(QMenu *menu, const QString &name, const QString &caption, const QString &shortcut,
                           bool checkable)
{
    QAction *action = m_commands.add(name, caption, checkable);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    m_items.insert(name, action);
    return action;
}

QAction *MainMenu::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    m_items.insert(name, separator);
    return separator;
}

QAction *MainMenu::item(const QString &name) const
{
    return m_items.value(name);
}

QMenu *MainMenu::menu(const QString &name) const
{
    return m_menus.value(name);
}

bool MainMenu::isChecked(const QString &name) const
{
    QAction *a = item(name);
    return a && a->isChecked();
}

void MainMenu::setChecked(const QString &name, bool checked)
{
    if (QAction *a = item(name))
        a->setChecked(checked);
}

bool MainMenu::isEnabled(const QString &name) const
{
    QAction *a = item(name);
    return a && a->isEnabled();
}

void MainMenu::setEnabled(const QString &name, bool enabled)
{
    if (QAction *a = item(name))
        a->setEnabled(enabled);
}

void MainMenu::setVisible(const QString &name, bool visible)
{
    if (QAction *a = item(name))
        a->setVisible(visible);
}

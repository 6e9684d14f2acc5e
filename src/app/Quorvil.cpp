#include "app/Quorvil.h"

#include "app/CheckFilePath.h"
#include "app/FontMapSizing.h"
#include "app/HelpCommands.h"
#include "app/LockPanels.h"
#include "app/MainLayout.h"
#include "app/MainToolTips.h"
#include "app/MenuPictures.h"
#include "app/RecentFilesMenu.h"
#include "app/SettingsStore.h"
#include "app/rules/CommandLine.h"
#include "app/rules/LayoutRules.h"
#include "app/rules/PathParts.h"
#include "app/rules/ProductInfo.h"
#include "app/rules/WindowPlacement.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/CustomMap.h"
#include "fontmap/CustomMapCommands.h"
#include "fontmap/CustomMapLoader.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/FontChoice.h"
#include "fontmap/FontMapColorCommands.h"
#include "fontmap/FontMapCommands.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/FontMapViews.h"
#include "platform/DisplayService.h"
#include "platform/FileChecks.h"
#include "textboard/FindCommands.h"
#include "textboard/FullScreenPreview.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardEditing.h"
#include "textboard/TextBoardFiles.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/TextColorCommand.h"
#include "textboard/WholeTextTools.h"
#include "tools/OptionsDialog.h"
#include "tools/ToolWindows.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/CoolBar.h"
#include "widgets/FormFrame.h"
#include "widgets/MainMenu.h"
#include "widgets/Message.h"
#include "widgets/ModalDialog.h"
#include "widgets/Pictures.h"
#include "widgets/ProgramStyle.h"
#include "widgets/StateBinding.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSlider>

#include <algorithm>

namespace {

// A classic window's outer height counted its menu bar too, as this many pixels; ours lies
// inside the window at the height its font gives it. The layout rules place the regions in the
// client area under the menu bar, so the outer size is counted from that area.
constexpr int kClassicMenuBarHeight = 22;

const QString &cr()
{
    static const QString s(QLatin1Char('\r'));
    return s;
}

// The Toggles menu's items and the options they switch.
constexpr std::pair<const char *, Toggles::Option> kToggleItems[] = {
    {"OptLoadTD", Toggles::LoadTxtWithDefaults}, {"OptUnloadTD", Toggles::RestoreAfterUnload},
    {"DisplayCD", Toggles::CopyConfirmation},    {"DisplayOW", Toggles::OverwriteWarning},
    {"DisplayEW", Toggles::ExitWarning},         {"DisplayCS", Toggles::ColorScheme},
    {"DisplayTT", Toggles::ToolTips},
};

// The Views menu's items and the views they show.
constexpr std::pair<const char *, ViewSettings::View> kViewItems[] = {
    {"ViewZoom", ViewSettings::Zoom}, {"ViewCode", ViewSettings::Code}, {"ViewKS", ViewSettings::KeyStroke}};

// A check mark and the switch it shows are one: each follows the other.
template<typename State>
void bindCheck(QAction *action, State *state, bool (State::*get)() const, void (State::*set)(bool),
               void (State::*changed)(bool))
{
    showAndFollow(state, changed, action, &QAction::setChecked, (state->*get)());
    QObject::connect(action, &QAction::toggled, state, set);
}

// The same for one of several switches a state object keeps by key.
template<typename State, typename Key>
void bindCheck(QAction *action, State *state, Key key, bool (State::*get)(Key) const, void (State::*set)(Key, bool),
               void (State::*changed)(Key, bool))
{
    showAndFollow(
        state, changed, action,
        [action, key](Key which, bool on) {
            if (which == key)
                action->setChecked(on);
        },
        key, (state->*get)(key));
    QObject::connect(action, &QAction::toggled, state, [state, key, set](bool on) { (state->*set)(key, on); });
}

void chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

Quorvil::Quorvil(const Services &services, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_arguments(arguments)
{
    setObjectName(QStringLiteral("Quorvil"));
    Form_Initialize();
    m_commands = new ActionCollection(this);
    m_c = buildQuorvilControls(this, *m_commands);
    m_settings = std::make_unique<SettingsStore>(*m_services.registry, *m_services.userName, m_fmColors);
    m_fontMap = std::make_unique<FontMapCommands>(m_c, m_s.fontMap, m_fmColors, m_views);
    m_fmColorCommands =
        std::make_unique<FontMapColorCommands>(m_c, m_c.SampleText, m_s.fontMap, m_fmColors, *m_commands);
    m_fontChoice = std::make_unique<FontChoice>(m_c, m_s.fontMap, m_services, m_tbFont, m_fmColors);
    TextBoardEdit &board = *m_c.TextBoard;
    m_document = std::make_unique<TextBoardDocument>(board);
    m_find = std::make_unique<FindCommands>(*m_document, board, m_c, m_s.textBoard, *m_commands, m_fmColors);
    m_editing = std::make_unique<TextBoardEditing>(board, m_c, *m_c.TextEditTB, m_s.textBoard, *m_commands,
                                                   *m_services.clipboard, *m_find, m_tbFont, m_fmColors);
    m_tbFormat = std::make_unique<TextBoardFormat>(board, m_c, *m_c.FindString, *m_commands, m_tbFont, *m_fontChoice,
                                                   m_services, m_cmnDlg);
    m_textColor =
        std::make_unique<TextColorCommand>(*m_commands, m_tbFont, *m_tbFormat, m_c.CoolBarTB, m_fmColors, this);
    m_tbFiles = std::make_unique<TextBoardFiles>(
        *m_document, board, m_s.textBoard, *m_commands, m_services, m_cmnDlg,
        TextBoardFiles::Parts{*m_tbFormat, m_tbFont, *m_fontChoice, m_toggles, m_fmColors});
    m_wholeText = std::make_unique<WholeTextTools>(
        *m_document, board, *m_commands, m_services, m_cmnDlg,
        WholeTextTools::Parts{*m_tbFiles, *m_editing, m_tbFont, m_toggles, m_fmColors});
    m_fullScreen = std::make_unique<FullScreenPreview>(board, m_tbFont, *m_services.display, this);
    m_help = std::make_unique<HelpCommands>(*m_services.shell, *m_services.fileChecks, this);
    m_lockPanels = std::make_unique<LockPanels>(*m_services.keyboardLocks, m_c.StatPanels);
    m_recentFiles = std::make_unique<RecentFilesMenu>(
        *m_c.menu, m_s, *m_document, *m_commands, *m_services.fileChecks, m_fmColors,
        RecentFilesMenu::Loaders{[this](const QString &path) { return m_tbFiles->CheckLoadedFile(path); },
                                 [this](const QString &path) { LoadTBFile(path); },
                                 [this](const QString &path) {
                                     LoadCFMap(path);
                                     UpdateMapCtrls(1);
                                 }});
    m_cfmLoader = std::make_unique<CustomMapLoader>(*m_c.FMapContainer, m_s.fontMap, m_customMap, m_cfmSlot,
                                                    *m_services.dialog, m_cmnDlg, m_fmColors);
    m_customMaps = std::make_unique<CustomMapCommands>(
        m_c, m_s.fontMap, *m_commands, m_customMap,
        CustomMapCommands::Parts{*m_cfmLoader, *m_fontMap, m_cfmSlot, m_s.CFMRUList});
    m_tools = new ToolWindows(*m_commands, m_services, m_tbFont, *m_fontChoice, *m_tbFormat, m_fmColors, this);
    m_layout = std::make_unique<MainLayout>(*this, m_c, m_s, *m_commands, *m_services.display);
    m_sizing = std::make_unique<FontMapSizing>(*this, m_c, m_s, *m_commands, *m_services.display, *m_layout, m_views);
    m_mapViews = std::make_unique<FontMapViews>(m_c, m_views, *m_commands, *m_c.menu);
    // The window's designed size, before anything is laid out: no resize handler runs for it.
    // Start-up sizes the window for the FontMap's saved step.
    resize(qtSizeOf(LayoutRules::standardWindowSize(0, Twips::kPerQtUnit, Twips::kPerQtUnit)));
    m_laidOutSize = size();
    wireCommands();
    wireState();
    wireParts();
}

Quorvil::~Quorvil() = default;

void Quorvil::wireCommands()
{
    ActionCollection &a = *m_commands;
    a.onTriggered(QStringLiteral("FileExit"), this, [this] { close(); });
    a.onTriggered(QStringLiteral("HelpContents"), m_help.get(), &HelpCommands::HelpContents_Click);
    a.onTriggered(QStringLiteral("HelpReadme"), m_help.get(), &HelpCommands::HelpReadme_Click);
    a.onTriggered(QStringLiteral("HelpCheckUpd"), m_help.get(), &HelpCommands::HelpCheckUpd_Click);
    a.onTriggered(QStringLiteral("HelpVisit"), m_help.get(), &HelpCommands::HelpVisit_Click);
    a.onTriggered(QStringLiteral("HelpFeedback"), m_help.get(), &HelpCommands::HelpFeedback_Click);
    a.onTriggered(QStringLiteral("HelpAbout"), m_help.get(), &HelpCommands::HelpAbout_Click);
    a.onTriggered(QStringLiteral("ToolsFS"), m_fullScreen.get(), &FullScreenPreview::ToolsFS_Click);
    a.onTriggered(QStringLiteral("ToolsOpt"), this, &Quorvil::ToolsOpt_Click);
    a.makeExclusive({QStringLiteral("VCOnL"), QStringLiteral("VCOnR")});
    for (const QString &side : {QStringLiteral("L"), QStringLiteral("R")}) {
        a.onTriggered(QStringLiteral("VCOn") + side, this, [this, side] {
            m_views.setPosition(side);
            m_layout->SetVCSide(m_views.position());
        });
    }
}

void Quorvil::wireState()
{
    ActionCollection &a = *m_commands;
    for (const auto &[item, option] : kToggleItems)
        bindCheck(a.action(QString::fromLatin1(item)), &m_toggles, option, &Toggles::isOn, &Toggles::set,
                  &Toggles::changed);
    for (const auto &[item, view] : kViewItems)
        bindCheck(a.action(QString::fromLatin1(item)), &m_views, view, &ViewSettings::isShown, &ViewSettings::setShown,
                  &ViewSettings::shownChanged);
    // The tooltips follow their switch at once.
    showAndFollow(
        &m_toggles, &Toggles::changed, this,
        [this](Toggles::Option option) {
            if (option == Toggles::ToolTips)
                SetToolTips(m_c, m_tbFont.colorName());
        },
        Toggles::ToolTips);
    bindCheck(a.action(QStringLiteral("FMHiLite")), &m_fmColors, &FontMapColors::hilite, &FontMapColors::setHilite,
              &FontMapColors::hiliteChanged);
    bindCheck(a.action(QStringLiteral("FMBorders")), &m_fmColors, &FontMapColors::borders,
              &FontMapColors::setBorders, &FontMapColors::bordersChanged);

    // The zoom size slider shows the Zoom view's size.
    connect(m_c.ZoomSizeSlider, &QSlider::valueChanged, &m_views, &ViewSettings::setZoomSize);
    showAndFollow(&m_views, &ViewSettings::zoomSizeChanged, m_c.ZoomSizeSlider, &QSlider::setValue, m_views.zoomSize());
}

void Quorvil::wireParts()
{
    // Find and the FontMap follow the TextBoard's font; a click on the FontMap types into the
    // TextBoard.
    connect(&m_tbFont, &TextBoardFont::charsetChanged, m_find.get(), &FindCommands::followCharset);
    connect(&m_tbFont, &TextBoardFont::charsetChanged, m_fontMap.get(), &FontMapCommands::followCharset);
    connect(m_tbFormat.get(), &TextBoardFormat::mapFontChanged, m_fontMap.get(), &FontMapCommands::setMapFont);
    connect(m_tbFormat.get(), &TextBoardFormat::boardFontChanged, m_fontMap.get(), &FontMapCommands::followBoardFont);
    connect(m_tbFormat.get(), &TextBoardFormat::boardFontChanged, m_fullScreen.get(),
            &FullScreenPreview::followBoardFont);
    connect(m_fontMap.get(), &FontMapCommands::characterClicked, m_editing.get(), &TextBoardEditing::typeCharacter);
    connect(m_fontMap.get(), &FontMapCommands::contextMenuRequested, this,
            [this](const QPoint &at) { m_c.menu->menu(QStringLiteral("FormatFM"))->popup(at); });
    connect(m_fontChoice.get(), &FontChoice::fontApplyRequested, m_tbFormat.get(), &TextBoardFormat::ApplyTBFont);
    const auto focusTextBoard = [this] { m_c.TextBoard->setFocus(Qt::OtherFocusReason); };
    connect(m_fontChoice.get(), &FontChoice::textBoardFocusRequested, this, focusTextBoard);
    connect(m_fmColorCommands.get(), &FontMapColorCommands::textBoardFocusRequested, this, focusTextBoard);
    connect(m_mapViews.get(), &FontMapViews::textBoardFocusRequested, this, focusTextBoard);
    connect(m_tbFiles.get(), &TextBoardFiles::fileUsed, this,
            [this](const QString &path) { m_recentFiles->UpdateFileMRU(path); });
    connect(m_tbFiles.get(), &TextBoardFiles::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_wholeText.get(), &WholeTextTools::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_find.get(), &FindCommands::frameShown, this, &Quorvil::SetTabOrder);
    connect(m_cfmLoader.get(), &CustomMapLoader::mapFileUsed, this,
            [this](const QString &path) { m_recentFiles->UpdateCFMRU(path); });
    connect(m_customMaps.get(), &CustomMapCommands::recentMapChosen, this,
            [this](int index) { m_recentFiles->CFMRU_Click(index); });
    connect(m_customMaps.get(), &CustomMapCommands::editorRequested, this, [this](const QString &path) {
        FontMapState &map = m_s.fontMap;
        QString saveFolder = map.CFMSaveFolder();
        showCustomMapEditor(m_services, m_cfmSlot, m_fontChoice->fontListEntries(),
                            {path, map.CFMOpenName(), map.FontIndex(), m_tbFont.name(), double(m_tbFont.size())},
                            saveFolder, m_fmColors, this);
        map.setCFMSaveFolder(saveFolder);
    });
    // The "Load" button's list of recent text files runs the File menu's items.
    connect(m_c.LoadSaveTB, &ToolBar::buttonDropDown, this, [this](const QString &key) {
        m_recentFiles->LoadSaveTB_ButtonDropDown(m_c.LoadSaveTB->buttonMenu(key));
    });
    connect(m_c.LoadSaveTB, &ToolBar::buttonMenuClick, this, [this](const QString &, int index) {
        m_commands->run(QStringLiteral("FileMRU(%1)").arg(index));
    });
    connect(m_services.display, &DisplayService::displayChanged, this, &Quorvil::SysInfo_DisplayChanged);
}

void Quorvil::ToolsOpt_Click()
{
    // The dialog sets the defaults for the next start; nothing of the running window changes.
    m_fmColorCommands->ensurePalette();
    if (FMColorPalette *palette = m_fmColorCommands->palette()) {
        OptionsDialog options(m_services, *palette, m_fmColors, this);
        execModal(options);
    }
}

void Quorvil::runCommand(const QString &name)
{
    m_commands->run(name);
}

double Quorvil::formLeft() const
{
    return x() * Twips::kPerQtUnit;
}

double Quorvil::formTop() const
{
    return y() * Twips::kPerQtUnit;
}

double Quorvil::formWidth() const
{
    return (width() + FormFrame::kWidth) * Twips::kPerQtUnit;
}

double Quorvil::formHeight() const
{
    return (height() - menuBar()->sizeHint().height() + FormFrame::kHeight + kClassicMenuBarHeight)
           * Twips::kPerQtUnit;
}

QSize Quorvil::qtSizeOf(const QSizeF &twips) const
{
    return QSize(Twips::toQt(twips.width()) - FormFrame::kWidth,
                 Twips::toQt(twips.height()) - FormFrame::kHeight - kClassicMenuBarHeight
                     + menuBar()->sizeHint().height());
}

bool Quorvil::setFormSize(const QSizeF &twips)
{
    const QSize before = size();
    resize(qtSizeOf(twips));
    if (size() == before)
        return false;
    // A shown window has had its resize event, and the handler, by now; a hidden one gets the
    // event only when it is shown.
    if (size() != m_laidOutSize)
        Form_Resize();
    return true;
}

void Quorvil::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (size() != m_laidOutSize)
        Form_Resize();
}

void Quorvil::Form_Resize()
{
    m_laidOutSize = size();
    const int screenWidth = m_services.display->screenWidth();
    if (screenWidth == m_s.LastScreenWidth) {
        m_layout->followWindowSize();
    } else {
        m_sizing->followScreenWidth(screenWidth);
        // The first resize on a new screen can be one that a rebuild of the map raised: the
        // widths still follow the rebuilt map.
        if (m_s.fontMap.FMResizing())
            m_layout->followWindowSize();
    }
    UpdateMapCtrls(2);
}

bool Quorvil::start()
{
    Form_Load();
    if (m_ended)
        return false;
    show();
    // The first showing is a resize of its own, whatever size the window already has: it
    // puts the split bar over the FontMap and the box and the status bar under it.
    Form_Resize();
    // The first activation follows the first showing.
    QMetaObject::invokeMethod(this, &Quorvil::Form_Activate, Qt::QueuedConnection);
    return true;
}

bool Quorvil::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

void Quorvil::Form_Initialize()
{
    // The program draws its controls in one consistent style on every desktop.
    QApplication::setStyle(new ProgramStyle);
    // Every window shows the program's icon, and the desktop's shells match them to the
    // program's desktop entry.
    QApplication::setWindowIcon(Pictures::programIcon());
    QGuiApplication::setDesktopFileName(ProductInfo::desktopFileName());
    // The menu bar stays in the window on every desktop: the window's layout rules place
    // everything under it, and a global menu bar would leave a gap. It also spares the
    // start-up the search for a global menu service.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

void Quorvil::Form_Load()
{
    GlobalDeclarations &g = globals();
    g.gAppName = ProductInfo::appName();
    g.gCreditLine = ProductInfo::creditLine();
    m_s.AbortStartup = false;
    InitLayoutMetrics();

    if (screenTooNarrow()) {
        showResolutionMessage();
        EndProgram();
        return;
    }
    m_s.FirstActivate = true;

    loadSettings();
    if (m_s.AbortStartup)
        return EndProgram();
    m_fontMap->SetupFMapCodes();
    SetupToolbars();
    if (m_s.fontMap.SizeIndex() > 1) {
        m_sizing->ResizeFMap(m_s.fontMap.SizeIndex() - 1, true);
        if (m_s.fontMap.MaxSizeIndex() == m_s.fontMap.SizeIndex())
            m_commands->setEnabled(QStringLiteral("FMLarger"), false);
        m_commands->setEnabled(QStringLiteral("FMSmaller"), true);
    }
    // The sizing may have made the window larger than the place it was given.
    placeOnScreen(QRectF(formLeft(), formTop(), formWidth(), formHeight()));
    m_s.AbortStartup = !m_fontChoice->InitFonts();
    if (m_s.AbortStartup)
        return EndProgram();
    m_tbFormat->ApplyTBFont();
    if (m_s.AbortStartup)
        return EndProgram();
    m_fmColorCommands->loadPalette(*m_services.registry, *m_services.dialog, this);
    UpdateFMapSize();
    ApplyTBSettings();
    ApplyViewSettings();
    SetupMenusAndHelp();
}

void Quorvil::InitLayoutMetrics()
{
    m_s.TwipsPerPixelX = m_services.display->twipsPerPixelX();
    m_s.textBoard.setTwipsPerPixelY(m_services.display->twipsPerPixelY());
    m_s.textBoard.setTBMaxLength(m_c.TextBoard->MaxLength());
    m_s.textBoard.setProgressFullWidth(Twips::width(m_c.ProgressBack));
    m_document->setModified(false);
    m_s.SettingsReset = false;
    m_s.VCDesignLeft = Twips::left(m_c.ViewsContainer);
    m_s.LastScreenWidth = m_services.display->screenWidth();
    // The designed colours of the Zoom view, until the settings replace them.
    FontMapColors::Choice fore = m_fmColors.fore();
    FontMapColors::Choice back = m_fmColors.back();
    fore.color = foreColor(m_c.TextZoom);
    back.color = backColor(m_c.TextZoom);
    m_fmColors.setColors(fore, back);
    setForeColor(m_c.SampleText[0], backColor(m_c.TextZoom));
    setForeColor(m_c.SampleText[1], foreColor(m_c.TextZoom));
}

QRectF Quorvil::placeOnScreen(const QRectF &wanted)
{
    const QRectF placed = WindowPlacement::fitOnScreen(
        wanted, m_services.display->workArea(),
        LayoutRules::standardWindowSize(m_s.fontMap.SizeIndex() - 1, m_s.TwipsPerPixelX,
                                        m_s.textBoard.TwipsPerPixelY()));
    move(Twips::toQt(placed.left()), Twips::toQt(placed.top()));
    return placed;
}

bool Quorvil::screenTooNarrow()
{
    return m_services.display->screenWidth() < 800;
}

void Quorvil::showResolutionMessage()
{
    const QString text = QStringList{
        QString(),
        QStringLiteral("Your screen and/or font size is not adequate to run Quorvil."),
        QString(),
        QStringLiteral("To run properly, Quorvil needs at least 800x600 resolution"),
        QStringLiteral(" with Small Fonts or 1024x768 resolution with Large Fonts."),
        QString(),
        QStringLiteral("Please change your screen resolution and/or"),
        QStringLiteral("font size accordingly and try again."),
    }.join(cr());
    QrvlMsg(text, QStringLiteral("OK"), messageTitle(" Resource Initilalization Error"), false, 1, m_fmColors);
}

void Quorvil::Form_Activate()
{
    if (!m_s.FirstActivate)
        return;
    m_s.FirstActivate = false;
    const GlobalDeclarations &g = globals();
    for (QLabel *sample : m_c.SampleText)
        sample->setText(g.gCreditLine + sample->text());
    setWindowTitle(ProductInfo::caption());

    const QString path = GetCommandLine();
    if (!path.isEmpty()) {
        const auto [folder, name] = splitPath(path);
        const QString extension = path.right(3).toUpper();
        if (extension == QLatin1String("QCM")) {
            m_s.fontMap.setCFMLoadFolder(folder);
            m_s.fontMap.setCFMOpenPath(path);
            m_s.fontMap.setCFMOpenName(name);
            LoadCFMap(path);
            UpdateMapCtrls(1);
        } else if (extension == QLatin1String("TXT") || extension == QLatin1String("QUF")) {
            m_document->setTBLoadFolder(folder);
            m_document->setOpenFile(path, name);
            LoadTBFile(path);
        } else {
            const QString text = cr() + cr() + cr() + QStringLiteral("Files with extension '") + extension
                                 + QStringLiteral("' are not valid ") + g.gAppName + QStringLiteral(" files.")
                                 + cr() + cr() + QStringLiteral("Only valid extensions are TXT, QUF and QCM.");
            QrvlMsg(text, QStringLiteral("OK"), messageTitle(" Startup File Load Error"), false, 1, m_fmColors);
        }
    }
}

void Quorvil::closeEvent(QCloseEvent *event)
{
    if (m_ended || m_unloaded) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool Quorvil::Form_QueryUnload()
{
    if (!m_toggles.isOn(Toggles::ExitWarning) || m_c.TextBoard->length() == 0)
        return true;
    if (isMinimized())
        showNormal();
    const GlobalDeclarations &g = globals();
    QrvlMsg(cr() + cr() + cr() + cr() + QStringLiteral("Discard text on the TextBoard and Exit?"), QStringLiteral("YN"),
            messageTitle(" Exit Warning"), true, 2, m_fmColors);
    m_toggles.set(Toggles::ExitWarning, !g.gMsgDontDisplay);
    return g.gMsgResult;
}

void Quorvil::Form_Unload()
{
    m_unloaded = true;
    hide();
    m_fmColorCommands->unloadPalette();
    m_settings->DeleteTempColors();
    m_settings->SaveLastSettings(lastSettings(), {m_s.FileMRUList, m_s.CFMRUList},
                                 !isMinimized() && !isMaximized());
}

void Quorvil::SysInfo_DisplayChanged()
{
    if (screenTooNarrow()) {
        // A new resolution comes as several signals (its size, its dots per inch), the later
        // ones while the first one's question is still open: the narrow screen is told once.
        if (m_narrowScreenTold)
            return;
        m_narrowScreenTold = true;
        const bool closed = m_s.FirstActivate || m_unloaded || close();
        showResolutionMessage();
        if (closed) {
            m_s.AbortStartup = true;
            EndProgram();
            return;
        }
        // No to the exit warning keeps the program and its text; the window follows the screen.
    } else {
        m_narrowScreenTold = false;
    }
    if (!isMinimized() && !isMaximized()) {
        const QRectF area = m_services.display->workArea();
        move(Twips::toQt(area.width() / 2 - formWidth() / 2), Twips::toQt(area.height() / 2 - formHeight() / 2));
    }
    UpdateFMapSize();
    m_c.ViewsTB->update();
}

void Quorvil::EndProgram()
{
    // Ends at once: no unload step runs and nothing is saved.
    m_ended = true;
    hide();
    Q_EMIT programEnded();
}

QString Quorvil::GetCommandLine()
{
    const QString path =
        commandLinePath(m_arguments, m_s.InitMap, m_s.InitMapPath, QDir::currentPath());
    if (path.isEmpty())
        return path;
    const QString title = messageTitle(" Startup File Load Error");
    return CheckFilePath(*m_services.fileChecks, path, title, m_fmColors) ? path : QString();
}

void Quorvil::SetupToolbars()
{
    struct Binding
    {
        ToolBar *toolbar;
        const char *imageList;
        std::initializer_list<std::pair<const char *, const char *>> images; // button key, image key
    };
    const Binding bindings[] = {
        {m_c.LoadSaveTB, "imlMainTBIcons", {{"Load", "Load"}, {"Save", "Save"}}},
        {m_c.QrvlDefTB, "imlMainTBIcons", {{"Opt", "Opt"}, {"KB", "KB"}, {"FB", "FB"}}},
        {m_c.TBOperationsTB, "imlTBOperations",
         {{"ClearButton", "TBClear"}, {"CopyButton", "TBCopy"}, {"CutButton", "TBCut"},
          {"PrintButton", "TBPrint"}, {"FullScreen", "FullScr"}}},
        {m_c.TextEditTB, "imlTextEditTB", {{"Cut", "Cut"}, {"Copy", "Copy"}, {"Paste", "Paste"}, {"Find", "Find"}}},
        {m_c.FontFormatTB, "imlFontFormatTB",
         {{"Bold", "Bold"}, {"Italic", "Italic"}, {"Underline", "Underline"}, {"Strikethrough", "Strikethrough"},
          {"Color", "1"}}},
        {m_c.TextAlignTB, "imlTextAlignTB", {{"AlignLeft", "Left"}, {"CenterText", "Center"}, {"AlignRight", "Right"}}},
        {m_c.ViewsTB, "imlViewsTB",
         {{"Zoom", "Zoom"}, {"Code", "Code"}, {"KS", "KS"}, {"VCRight", "VCRight"}, {"VCLeft", "VCLeft"}}},
        {m_c.tlbCustFMap, "imlCustFMap",
         {{"CFMapNew", "CFMapNew"}, {"CFMapLoad", "CFMapLoad"}, {"CFMapEdit", "CFMapEdit"}, {"CFMapUnld", "CFMapUnld"}}},
        {m_c.tlbCFMapFmt, "imlFMapFormat",
         {{"FMap+", "FMap+"}, {"FMap-", "FMap-"}, {"RAFMap", "RAFMap"}, {"FMapFC", "FMapFC"}, {"FMapBC", "FMapBC"},
          {"FMapH", "FMapH"}, {"FMapG", "FMapG"}}},
    };
    for (const Binding &b : bindings) {
        b.toolbar->setImageList(QString::fromLatin1(b.imageList));
        for (const auto &[key, image] : b.images)
            b.toolbar->setButtonImage(QString::fromLatin1(key), QString::fromLatin1(image));
    }
}
void Quorvil::loadSettings()
{
    SettingsStore::Screen screen;
    screen.width = m_services.display->screenWidth();
    screen.twipsPerPixelX = m_s.TwipsPerPixelX;
    screen.twipsPerPixelY = m_s.textBoard.TwipsPerPixelY();
    screen.workArea = m_services.display->workArea();
    screen.designedFormWidth = formWidth();
    screen.designedFormHeight = formHeight();
    screen.designedFMBand3Width = m_c.clbFontMap->bandWidth(3);

    Settings settings;
    const SettingsStore::LoadResult result = m_settings->LoadSettings(settings, screen);
    if (result.abort) {
        m_s.AbortStartup = true;
        return;
    }
    m_s.SettingsReset = result.reset;
    m_s.fontMap.setMaxSizeIndex(result.maxSizeIndex);
    applySettings(settings);
    // A step the screen cannot hold (a smaller screen than last time, or a hand-edited store)
    // is brought down to the largest it can before the map is built: the map is never built
    // wider than the screen. The first resize then sets the limits anew.
    m_s.fontMap.setSizeIndex(std::clamp(m_s.fontMap.SizeIndex(), 1, std::max(1, m_s.fontMap.MaxSizeIndex())));
    QRectF saved(settings.FormLeft, settings.FormTop, settings.FormWidth, settings.FormHeight);
    if (result.sizeTooLarge) {
        m_s.LastScreenWidth = 0;
        // The window was sized for a wider screen, around a step this one cannot hold: it
        // starts in the standard layout of the step the map gets, as a change of screen
        // lays it out.
        saved.setSize(QSizeF(0, 0));
    }
    const QRectF placed = placeOnScreen(saved);
    m_s.LastFormHeight = placed.height();
    m_s.LastFormWidth = placed.width();
    m_c.lblSetFMapSizeNumber->setText(QString::number(m_s.fontMap.SizeIndex()));
    m_c.tbxSetFMapSizeNumber->setText(QString::number(m_s.fontMap.SizeIndex()));
    if (m_s.fontMap.MaxSizeIndex() > 1)
        m_c.sldSetFMapSize->setMaximum(m_s.fontMap.MaxSizeIndex());
    m_c.sldSetFMapSize->setValue(m_s.fontMap.SizeIndex());
}

void Quorvil::applySettings(const Settings &settings)
{
    m_settingsRead = settings;
    m_s.FileMRUList = recentListFromPaths<9>(settings.FileMRU);
    m_s.CFMRUList = recentListFromPaths<5>(settings.CFMRU);
    m_recentFiles->showLists();

    m_s.fontMap.setTBFontName(settings.TBFontName);
    m_tbFormat->takeSettings(settings);

    m_document->setTBLoadFolder(settings.LFLoadPath);
    m_document->setTBSaveFolder(settings.LFSavePath);
    m_s.fontMap.setCFMLoadFolder(settings.LMLoadPath);
    m_s.fontMap.setCFMSaveFolder(settings.LMSavePath);
    for (int i = 1; i <= m_c.CoolBarCM->bandCount(); ++i)
        m_c.CoolBarCM->setBandWidth(i, settings.MainBandWidth[i - 1]);
    for (int i = 1; i <= m_c.CoolBarTB->bandCount(); ++i)
        m_c.CoolBarTB->setBandWidth(i, settings.TBBandWidth[i - 1]);
    for (int i = 1; i <= m_c.clbFontMap->bandCount(); ++i)
        m_c.clbFontMap->setBandWidth(i, settings.FMBandWidth[i - 1]);

    m_fmColors.setColors(
        {settings.FMForeColor, settings.FMForePaletteRef, settings.FMForeColorIndex, settings.FMForeColorName},
        {settings.FMBackColor, settings.FMBackPaletteRef, settings.FMBackColorIndex, settings.FMBackColorName});
    m_fmColors.setHilite(settings.Hilite);
    m_fmColors.setBorders(settings.Borders != 0);
    m_s.fontMap.setSizeIndex(settings.SizeIndex);
    m_s.InitMap = settings.InitMap;
    m_s.InitMapPath = settings.InitMapPath;

    m_views.setShown(ViewSettings::Zoom, settings.ZoomView);
    m_views.setShown(ViewSettings::Code, settings.CodeView);
    m_views.setShown(ViewSettings::KeyStroke, settings.KeyStrokeView);
    m_views.setZoomSize(settings.ZoomSize);
    m_views.setPosition(settings.VCPosition);

    m_toggles.set(Toggles::LoadTxtWithDefaults, settings.TXTLoadSet);
    m_toggles.set(Toggles::RestoreAfterUnload, settings.QUFUnLoadSet);
    m_toggles.set(Toggles::CopyConfirmation, settings.CopyDialog);
    m_toggles.set(Toggles::ExitWarning, settings.ExitWarning);
    m_toggles.set(Toggles::OverwriteWarning, settings.OverwriteWarning);
    m_toggles.set(Toggles::ColorScheme, settings.ColorScheme);
    m_toggles.set(Toggles::ToolTips, settings.ToolTips);
}

Settings Quorvil::lastSettings() const
{
    Settings s = m_settingsRead;
    s.SizeIndex = m_s.fontMap.SizeIndex();
    for (int i = 1; i <= m_c.CoolBarCM->bandCount(); ++i)
        s.MainBandWidth[i - 1] = int(m_c.CoolBarCM->bandWidth(i));
    for (int i = 1; i <= m_c.CoolBarTB->bandCount(); ++i)
        s.TBBandWidth[i - 1] = int(m_c.CoolBarTB->bandWidth(i));
    for (int i = 1; i <= m_c.clbFontMap->bandCount(); ++i)
        s.FMBandWidth[i - 1] = int(m_c.clbFontMap->bandWidth(i));
    s.LFLoadPath = m_document->TBLoadFolder();
    s.LFSavePath = m_document->TBSaveFolder();
    s.LMLoadPath = m_s.fontMap.CFMLoadFolder();
    s.LMSavePath = m_s.fontMap.CFMSaveFolder();
    s.FormTop = int(formTop());
    s.FormLeft = int(formLeft());
    s.FormHeight = int(formHeight());
    s.FormWidth = int(formWidth());
    return s;
}

void Quorvil::UpdateFMapSize()
{
    m_sizing->SetFMapSizeLimits();
}

void Quorvil::ApplyTBSettings()
{
    m_tbFormat->ApplyTBSettings();
    m_editing->UpdateEditCommands();
}

void Quorvil::ApplyViewSettings()
{
    m_mapViews->SetZoomView(m_views.isShown(ViewSettings::Zoom));
    m_mapViews->SetCodeView(m_views.isShown(ViewSettings::Code));
    m_mapViews->SetKeyStrokeView(m_views.isShown(ViewSettings::KeyStroke));
    m_mapViews->setZoomLetterSize(m_c.ZoomSizeSlider->value());
    m_layout->SetVCSide(m_views.position());
    m_fmColorCommands->SetFMapColors(true, m_fmColors.fore().color, true, m_fmColors.back().color);
    // gColorScheme follows the DisplayCS item through Toggles.
    UpdateMapCtrls(1);
    m_fmColorCommands->SetFMapBorders(m_fmColors.borders() ? 1 : 0);
    if (m_s.FirstActivate)
        m_editing->UpdateProgress();
    SetToolTips(m_c, m_tbFont.colorName());
    SetTabOrder(!m_c.FindFrame->isHidden());
}

void Quorvil::SetupMenusAndHelp()
{
    MenuPictures::SetupMenusAndHelp(*m_c.menu, !m_help->helpDocument().isEmpty());
}

void Quorvil::SetTabOrder(bool findFrameShown)
{
    if (findFrameShown)
        chainTabOrder({m_c.TextBoard, m_c.ZoomSizeSlider, m_c.FontNameCombo, m_c.FontSizeSlider, m_c.FindString,
                       m_c.FindOpt[0], m_c.FindOpt[1], m_c.FindNextButton, m_c.CloseFindButton, m_c.sldSetFMapSize});
    else
        chainTabOrder({m_c.TextBoard, m_c.ZoomSizeSlider, m_c.FontNameCombo, m_c.FontSizeSlider, m_c.sldSetFMapSize});
}

void Quorvil::LoadCFMap(const QString &path)
{
    m_cfmLoader->LoadCFMap(path);
}

void Quorvil::LoadTBFile(const QString &path)
{
    m_tbFiles->LoadTBFile(path);
}

void Quorvil::UpdateMapCtrls(int mode)
{
    if (mode == 1)
        m_customMaps->UpdateMapCtrls();
    else if (mode == 2)
        m_layout->UpdateSizeCtrls();
}

#include "app/Quorvil.h"

#include "app/ColorResolve.h"
#include "app/HelpCommands.h"
#include "app/SettingsStore.h"
#include "app/MainMenu.h"
#include "app/RecentFilesMenu.h"
#include "app/Message.h"
#include "app/ToolBar.h"
#include "app/Twips.h"
#include "app/rules/GlobalDeclarations.h"
#include "app/rules/ProductInfo.h"
#include "fontmap/FontChoice.h"
#include "fontmap/FontMapCommands.h"
#include "fontmap/FontMapGrid.h"
#include "platform/DisplayService.h"
#include "platform/FileChecks.h"
#include "platform/RichTextBox.h"
#include "textboard/FindCommands.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/TextBoardEditing.h"
#include "textboard/TextBoardFiles.h"
#include "textboard/WholeTextTools.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QStyleFactory>

namespace {

// A classic window's size counted its caption and borders; ours leaves them to the
// window manager, so the rules' outer sizes carry this allowance (in pixels).
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 30;

const QString &cr()
{
    static const QString s(QLatin1Char('\r'));
    return s;
}

} // namespace

Quorvil::Quorvil(const Services &services, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_arguments(arguments)
{
    setObjectName(QStringLiteral("Quorvil"));
    Form_Initialize();
    m_c = buildQuorvilControls(this);
    m_fontMap = std::make_unique<FontMapCommands>(m_c, m_s);
    m_tbFormat = std::make_unique<TextBoardFormat>(m_c, m_s, m_services, m_cmnDlg);
    m_fontChoice = std::make_unique<FontChoice>(m_c, m_s, m_services, *m_tbFormat);
    m_help = std::make_unique<HelpCommands>(*m_services.shell, *m_services.fileChecks, this);
    m_settings = std::make_unique<SettingsStore>(*this, m_services);
    m_textBoardRTF = std::make_unique<RichTextBox>();
    m_find = std::make_unique<FindCommands>(m_c, m_s, *m_textBoardRTF);
    m_editing = std::make_unique<TextBoardEditing>(m_c, m_s, *m_services.clipboard, *m_find);
    m_recentFiles = std::make_unique<RecentFilesMenu>(*m_c.menu, m_s);
    m_tbFiles = std::make_unique<TextBoardFiles>(m_c, m_s, m_services, m_cmnDlg, *m_textBoardRTF, *m_tbFormat,
                                                 *m_fontChoice, *m_settings, *m_recentFiles, *this);
    m_wholeText = std::make_unique<WholeTextTools>(m_c, m_s, m_services, m_cmnDlg, *m_textBoardRTF, *m_tbFiles,
                                                   *m_find, *m_editing, *this);
    // The window's designed size; the FontMap sizing replaces it with the saved one.
    setFormWidth(780 * 15);
    setFormHeight(592 * 15);
    wireCommands();

    // The FontMap colours are the colours of the Zoom view; the message box follows them.
    setMessageColorSource([this] {
        return std::pair{resolveColor(foreColor(m_c.TextZoom)), resolveColor(backColor(m_c.TextZoom))};
    });
}

Quorvil::~Quorvil()
{
    setMessageColorSource({});
}

void Quorvil::wireCommands()
{
    m_commands.insert(QStringLiteral("FileExit"), [this] { close(); });
    m_commands.insert(QStringLiteral("HelpContents"), [this] { m_help->HelpContents_Click(); });
    m_commands.insert(QStringLiteral("HelpReadme"), [this] { m_help->HelpReadme_Click(); });
    m_commands.insert(QStringLiteral("HelpCheckUpd"), [this] { m_help->HelpCheckUpd_Click(); });
    m_commands.insert(QStringLiteral("HelpVisit"), [this] { m_help->HelpVisit_Click(); });
    m_commands.insert(QStringLiteral("HelpFeedback"), [this] { m_help->HelpFeedback_Click(); });
    m_commands.insert(QStringLiteral("HelpAbout"), [this] { m_help->HelpAbout_Click(); });
    m_editing->registerCommands(m_commands);
    m_find->registerCommands(m_commands);
    m_wholeText->registerCommands(m_commands);
    m_tbFiles->registerCommands(m_commands);
    m_tbFormat->registerCommands(m_commands);
    connect(m_c.menu, &MainMenu::itemClicked, this, &Quorvil::runCommand);
    // The FontMap size number follows its slider.
    connect(m_c.sldSetFMapSize, &QSlider::valueChanged, this,
            [this](int value) { m_c.lblSetFMapSizeNumber->setText(QString::number(value)); });
    connect(m_services.display, &DisplayService::displayChanged, this, &Quorvil::SysInfo_DisplayChanged);
}

void Quorvil::runCommand(const QString &name)
{
    if (const auto it = m_commands.constFind(name); it != m_commands.cend())
        (*it)();
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
    return (width() + kFrameWidth) * Twips::kPerQtUnit;
}

double Quorvil::formHeight() const
{
    return (height() + kFrameHeight) * Twips::kPerQtUnit;
}

void Quorvil::setFormWidth(double twips)
{
    resize(Twips::toQt(twips) - kFrameWidth, height());
}

void Quorvil::setFormHeight(double twips)
{
    resize(width(), Twips::toQt(twips) - kFrameHeight);
}

bool Quorvil::start()
{
    Form_Load();
    if (m_ended)
        return false;
    show();
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
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
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

    m_settings->LoadSettings();
    if (m_s.AbortStartup)
        return EndProgram();
    m_fontMap->SetupFMapCodes();
    SetupToolbars();
    InitFonts();
    if (m_s.AbortStartup)
        return EndProgram();
    ApplyTBFont();
    if (m_s.AbortStartup)
        return EndProgram();
    UpdateFMapSize();
    ApplyTBSettings();
    ApplyViewSettings();
    SetupMenusAndHelp();
}

void Quorvil::InitLayoutMetrics()
{
    m_s.TwipsPerPixelX = m_services.display->twipsPerPixelX();
    m_s.TwipsPerPixelY = m_services.display->twipsPerPixelY();
    m_s.TBMaxLength = m_c.TextBoard->MaxLength();
    m_s.ProgressFullWidth = Twips::width(m_c.ProgressBack);
    m_s.TBChanged = false;
    m_s.SettingsReset = false;
    m_s.VCDesignLeft = Twips::left(m_c.ViewsContainer);
    m_s.LastScreenWidth = m_services.display->screenWidth();
    m_s.FMForeColor = foreColor(m_c.TextZoom);
    m_s.FMBackColor = backColor(m_c.TextZoom);
    setForeColor(m_c.SampleText[0], backColor(m_c.TextZoom));
    setForeColor(m_c.SampleText[1], foreColor(m_c.TextZoom));
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
    QrvlMsg(text, QStringLiteral("OK"), globals().gAppName + QStringLiteral(" Resource Initilalization Error"), false, 1);
}

void Quorvil::Form_Activate()
{
    if (!m_s.FirstActivate)
        return;
    m_s.FirstActivate = false;
    const GlobalDeclarations &g = globals();
    for (QLabel *sample : m_c.SampleText)
        sample->setText(g.gCreditLine + sample->text());
    setWindowTitle(g.gAppName + QStringLiteral(" Version 3.0.0 RC2"));

    const QString path = GetCommandLine();
    if (!path.isEmpty()) {
        const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
        const QString folder = path.left(cut);
        const QString name = path.mid(cut);
        const QString extension = path.right(3).toUpper();
        if (extension == QLatin1String("QCM")) {
            m_s.CFMLoadFolder = folder;
            m_s.CFMOpenPath = path;
            m_s.CFMOpenName = name;
            LoadCFMap(path);
            UpdateMapCtrls(1);
        } else if (extension == QLatin1String("TXT") || extension == QLatin1String("QUF")) {
            m_s.TBLoadFolder = folder;
            m_s.TBOpenPath = path;
            m_s.TBOpenName = name;
            LoadTBFile(path);
        } else {
            const QString text = cr() + cr() + cr() + QStringLiteral("Files with extension '") + extension
                                 + QStringLiteral("' are not valid ") + g.gAppName + QStringLiteral(" files.")
                                 + cr() + cr() + QStringLiteral("Only valid extensions are TXT, QUF and QCM.");
            QrvlMsg(text, QStringLiteral("OK"), g.gAppName + QStringLiteral(" Startup File Load Error"), false, 1);
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
    if (!m_c.menu->isChecked(QStringLiteral("DisplayEW")) || m_c.TextBoard->length() == 0)
        return true;
    if (isMinimized())
        showNormal();
    const GlobalDeclarations &g = globals();
    QrvlMsg(cr() + cr() + cr() + cr() + QStringLiteral("Discard text on the TextBoard and Exit?"), QStringLiteral("YN"),
            g.gAppName + QStringLiteral(" Exit Warning"), true, 2);
    m_c.menu->setChecked(QStringLiteral("DisplayEW"), !g.gMsgDontDisplay);
    return g.gMsgResult;
}

void Quorvil::Form_Unload()
{
    m_unloaded = true;
    hide();
    m_settings->DeleteTempColors();
    m_settings->SaveLastSettings();
}

void Quorvil::SysInfo_DisplayChanged()
{
    if (screenTooNarrow()) {
        if (!m_s.FirstActivate && !m_unloaded) {
            if (!close())
                return;
        }
        showResolutionMessage();
        m_s.AbortStartup = true;
        EndProgram();
        return;
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
    // The whole tail is one path; one quote is removed at each end.
    QString s = m_arguments.mid(1).join(QLatin1Char(' '));
    if (s.isEmpty() && m_s.InitMap)
        s = m_s.InitMapPath;
    if (s.startsWith(QLatin1Char('"')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char('"')))
        s.chop(1);
    if (s.isEmpty())
        return s;

    const qsizetype cut = s.lastIndexOf(QLatin1Char('/')) + 1;
    const QString folder = s.left(cut);
    const QString file = s.mid(cut);
    const QString drive = driveOf(s);
    const QString title = globals().gAppName + QStringLiteral(" Startup File Load Error");
    const QString blank4 = cr() + cr() + cr() + cr();
    FileChecks &checks = *m_services.fileChecks;
    switch (checks.DriveState(drive)) {
    case 0:
        QrvlMsg(blank4 + QStringLiteral("Drive ") + drive + QStringLiteral(" does not exist."), QStringLiteral("OK"),
                title, false, 1);
        return QString();
    case 1:
        QrvlMsg(blank4 + QStringLiteral("There is no disk in Drive ") + drive, QStringLiteral("OK"), title, false, 1);
        return QString();
    default:
        break;
    }
    if (!checks.FolderExists(folder)) {
        QrvlMsg(QStringList{QString(), QString(), QStringLiteral("Folder"), QString(), folder, QString(),
                            QStringLiteral("does not exist.")}
                    .join(cr()),
                QStringLiteral("OK"), title, false, 1);
        return QString();
    }
    if (!checks.FileExists(s)) {
        QrvlMsg(QStringList{QString(), QString(), QStringLiteral("File '") + file + QLatin1Char('\''), QString(),
                            QStringLiteral("does not exist in"), QString(), folder}
                    .join(cr()),
                QStringLiteral("OK"), title, false, 1);
        return QString();
    }
    return s;
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
void Quorvil::InitFonts()
{
    m_fontChoice->InitFonts();
}

void Quorvil::ApplyTBFont()
{
    m_tbFormat->ApplyTBFont();
}

void Quorvil::UpdateFMapSize() {}
void Quorvil::ApplyTBSettings()
{
    m_tbFormat->ApplyTBSettings();
    m_editing->UpdateEditCommands();
}

void Quorvil::ApplyViewSettings()
{
    // Start-up draws the fill meter once.
    m_editing->UpdateProgress();
}
void Quorvil::SetupMenusAndHelp() {}
void Quorvil::LoadCFMap(const QString &) {}
void Quorvil::LoadTBFile(const QString &path)
{
    m_tbFiles->LoadTBFile(path);
}
void Quorvil::UpdateMapCtrls(int) {}

#include "app/SettingsStore.h"

#include "app/ColorResolve.h"
#include "app/CoolBar.h"
#include "app/MainMenu.h"
#include "app/Message.h"
#include "app/Quorvil.h"
#include "app/StoreProblemMessage.h"
#include "app/Twips.h"
#include "app/rules/GlobalDeclarations.h"
#include "app/rules/ScreenDefaults.h"
#include "app/rules/SettingsLayout.h"
#include "app/rules/WindowPlacement.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CustomColorDefaults.h"
#include "platform/DisplayService.h"
#include "platform/FontSubstitute.h"
#include "platform/Services.h"
#include "platform/UserName.h"
#include "textboard/TextBoardEdit.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStandardPaths>

namespace {

const QString &cr()
{
    static const QString s(QLatin1Char('\r'));
    return s;
}

QString key(const char *k)
{
    return QString::fromLatin1(k);
}

int toInt(const RegValue &v)
{
    return regToNumber(v).value_or(0);
}

// The on/off settings that are menu check marks while the program runs.
struct MenuToggle
{
    const char *key;
    const char *name;
    const char *item;
};

constexpr MenuToggle kMenuToggles[] = {
    {"FontMap", "Hilite", "FMHiLite"},
    {"Views", "Zoom", "ViewZoom"},
    {"Views", "Code", "ViewCode"},
    {"Views", "KeyStroke", "ViewKS"},
    {"Options", "TXTLoadSet", "OptLoadTD"},
    {"Options", "QUFUnLoadSet", "OptUnloadTD"},
    {"Options", "CopyDialog", "DisplayCD"},
    {"Options", "ExitWarning", "DisplayEW"},
    {"Options", "OverwriteWarning", "DisplayOW"},
    {"Options", "ColorScheme", "DisplayCS"},
    {"Options", "ToolTips", "DisplayTT"},
};

// The window's CoolBars and their settings names, band by band.
struct BarBands
{
    CoolBar *bar;
    const char *prefix;
};

} // namespace

SettingsStore::SettingsStore(Quorvil &window, const Services &services)
    : m_window(window)
    , m_c(window.controls())
    , m_s(window.state())
    , m_services(services)
    , m_settings(*services.registry)
{
}

QString SettingsStore::defaultDocumentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder;
}

void SettingsStore::LoadSettings()
{
    GlobalDeclarations &g = globals();
    g.gRegError = false;
    m_essentialEmpty = false;

    for (int i = 1; i <= CustomColorDefaults::kCount; ++i) {
        m_settings.read(key("CustomColors"), QString::number(i));
        m_settings.read(key("CustomLabels"), QString::number(i));
    }
    if (g.gRegError)
        return firstRunQuestion();

    loadRecentList<9>(key("MRU"), key("FileMRU"), key("FileSep3"));
    if (g.gRegError)
        return firstRunQuestion();
    loadRecentList<5>(key("CFMRU"), key("CFMRU"), key("FileSep2"));
    if (g.gRegError)
        return firstRunQuestion();

    if (!g.gRegError)
        LoadTBSettings();
    if (!g.gRegError)
        LoadLastSettings();
    if (g.gRegError)
        return firstRunQuestion();

    const int width = m_services.display->screenWidth();
    m_s.MaxSizeIndex = ScreenDefaults::maxSizeIndex(width, m_s.TwipsPerPixelX);
    if (m_s.SizeIndex > m_s.MaxSizeIndex) {
        const QString app = g.gAppName;
        QrvlMsg(QStringList{QString(), QStringLiteral("Your screen resolution may have changed"),
                            QStringLiteral("from the last time ") + app + QStringLiteral(" was run."), QString(),
                            QStringLiteral("The last used FontMap size cannot be"),
                            QStringLiteral("accommodated in the current screen size."), QString(),
                            app + QStringLiteral(" will adjust it to suit the current screen size.")}
                    .join(cr()),
                QStringLiteral("OK"), app + QStringLiteral(" FontMap Size Error"), false, 1);
        m_s.LastScreenWidth = 0;
    } else {
        m_c.lblSetFMapSizeNumber->setText(QString::number(m_s.SizeIndex));
        m_c.tbxSetFMapSizeNumber->setText(QString::number(m_s.SizeIndex));
        if (m_s.MaxSizeIndex > 1)
            m_c.sldSetFMapSize->setMaximum(m_s.MaxSizeIndex);
        m_c.sldSetFMapSize->setValue(m_s.SizeIndex);
    }
    g.gToolTips = m_c.menu->isChecked(key("DisplayTT"));

    if (m_essentialEmpty)
        firstRunQuestion();
}

template<int Max>
void SettingsStore::loadRecentList(const QString &regKey, const QString &itemName, const QString &separator)
{
    RecentFileList<Max> &list = [this]() -> RecentFileList<Max> & {
        if constexpr (Max == 9)
            return m_s.FileMRUList;
        else
            return m_s.CFMRUList;
    }();
    list.count = 0;
    for (int i = 1; i <= Max; ++i) {
        const QString path = regToText(m_settings.read(regKey, QString::number(i)));
        if (path.trimmed().isEmpty()) {
            list.count = i;
            break;
        }
        const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
        list(i) = RecentFile{path.left(cut), path.mid(cut)};
        QAction *item = m_c.menu->item(QStringLiteral("%1(%2)").arg(itemName).arg(i));
        item->setText(QStringLiteral("&%1 %2").arg(i).arg(list(i).name));
        item->setVisible(true);
        if (i == Max)
            list.count = Max;
    }
    m_c.menu->setVisible(separator, m_c.menu->item(itemName + QStringLiteral("(1)"))->isVisible());
}

void SettingsStore::LoadTBSettings()
{
    const QString tb = key("TextBoard");
    const RegValue name = m_settings.read(tb, key("FontName"));
    m_s.TBFontName = regToText(name);
    m_c.FontSizeSlider->setValue(toInt(m_settings.read(tb, key("FontSize"))));
    const char *styles[] = {"Bold", "Italic", "Underline", "Strikeout"};
    for (int i = 0; i < 4; ++i)
        m_s.TBFontStyle[i] = toInt(m_settings.read(tb, key(styles[i])));
    m_c.TextBoard->setAlignment(toInt(m_settings.read(tb, key("Alignment"))));
    const RegValue colorIndex = m_settings.read(tb, key("FontColorIndex"));
    m_s.TBFontColorIndex = toInt(colorIndex);
    const RegValue colorName = m_settings.read(tb, key("FontColorName"));
    m_s.TBFontColorName = regToText(colorName);
    m_essentialEmpty = m_essentialEmpty || regIsEmpty(name) || regIsEmpty(colorIndex) || regIsEmpty(colorName);
}

void SettingsStore::readMenuCheck(const QString &regKey, const QString &name, const QString &item)
{
    m_c.menu->setChecked(item, regToBool(m_settings.read(regKey, name)).value_or(false));
}

void SettingsStore::LoadLastSettings()
{
    const QString last = key("Last");
    const double top = toInt(m_settings.read(last, key("FormTop")));
    const double left = toInt(m_settings.read(last, key("FormLeft")));
    const double height = toInt(m_settings.read(last, key("FormHeight")));
    const double width = toInt(m_settings.read(last, key("FormWidth")));
    // A placement saved off the screen, or larger than it, is brought back onto it. The
    // caption is what the window's outer size counts beyond its client area.
    const QRectF placed = WindowPlacement::fitOnScreen(QRectF(left, top, width, height), m_services.display->workArea(),
                                                       m_window.formHeight() - m_window.height() * Twips::kPerQtUnit);
    m_window.move(Twips::toQt(placed.left()), Twips::toQt(placed.top()));
    m_s.LastFormHeight = placed.height();
    m_s.LastFormWidth = placed.width();
    m_s.TBLoadFolder = regToText(m_settings.read(last, key("LFLoadPath")));
    m_s.TBSaveFolder = regToText(m_settings.read(last, key("LFSavePath")));

    const BarBands bars[] = {{m_c.CoolBarCM, "MainBand"}, {m_c.CoolBarTB, "TBBand"}, {m_c.clbFontMap, "FMBand"}};
    for (const BarBands &b : bars) {
        for (int i = 1; i <= b.bar->bandCount(); ++i)
            b.bar->setBandWidth(i, toInt(m_settings.read(key("Bars"), QStringLiteral("%1%2Wdth").arg(key(b.prefix)).arg(i))));
    }

    m_s.CFMLoadFolder = regToText(m_settings.read(last, key("LMLoadPath")));
    m_s.CFMSaveFolder = regToText(m_settings.read(last, key("LMSavePath")));

    const QString fm = key("FontMap");
    const RegValue foreName = m_settings.read(fm, key("ForeColorName"));
    m_s.FMForeColorName = regToText(foreName);
    m_s.FMForeColor = ColorValue(toInt(m_settings.read(fm, key("ForeColor"))));
    const RegValue forePalette = m_settings.read(fm, key("ForePaletteRef"));
    m_s.FMForePaletteRef = toInt(forePalette);
    const RegValue foreIndex = m_settings.read(fm, key("ForeColorIndex"));
    m_s.FMForeColorIndex = toInt(foreIndex);
    m_s.FMBackColorName = regToText(m_settings.read(fm, key("BackColorName")));
    m_s.FMBackColor = ColorValue(toInt(m_settings.read(fm, key("BackColor"))));
    const RegValue backPalette = m_settings.read(fm, key("BackPaletteRef"));
    m_s.FMBackPaletteRef = toInt(backPalette);
    m_s.FMBackColorIndex = toInt(m_settings.read(fm, key("BackColorIndex")));
    m_c.menu->setChecked(key("FMBorders"), toInt(m_settings.read(fm, key("Borders"))) != 0);
    m_s.SizeIndex = toInt(m_settings.read(fm, key("SizeIndex")));
    m_s.InitMap = regToBool(m_settings.read(fm, key("InitMap"))).value_or(false);
    m_s.InitMapPath = regToText(m_settings.read(fm, key("InitMapPath")));
    m_essentialEmpty = m_essentialEmpty || regIsEmpty(foreIndex) || regIsEmpty(foreName) || regIsEmpty(forePalette)
                       || regIsEmpty(backPalette);

    for (const MenuToggle &t : kMenuToggles)
        readMenuCheck(key(t.key), key(t.name), key(t.item));
    m_c.ZoomSizeSlider->setValue(toInt(m_settings.read(key("Views"), key("ZoomSize"))));
    const QString options = key("Options");
    m_s.VCPosition = regToText(m_settings.read(options, key("VCPosition")));

    // Read only so that a missing value brings the first-run question.
    m_settings.read(key("FB"), key("SampleText"));
    m_settings.read(key("CFMEditor"), key("ListCols"));
    m_settings.read(key("CFMEditor"), key("ShiftDir"));
    m_settings.read(options, key("ZoomedLetter"));
    m_settings.read(options, key("OFMapStart"));
}

void SettingsStore::firstRunQuestion()
{
    ReportStoreProblem(m_services.registry->problem());
    const QString app = globals().gAppName;
    QrvlMsg(cr() + cr() + cr() + cr() + QStringLiteral("Are you running ") + app + QStringLiteral(" for the first time?"),
            QStringLiteral("YN"), app + QStringLiteral(" Init Information"), false, 1);
    SetDefaultSettings(globals().gMsgResult ? QStringLiteral("Act") : QStringLiteral("Ask"));
}

void SettingsStore::SetDefaultSettings(const QString &mode)
{
    GlobalDeclarations &g = globals();
    if (mode == QLatin1String("Ask")) {
        const QString app = g.gAppName;
        QrvlMsg(QStringList{QString(), app + QStringLiteral(" registry entries seem to be incorrect.  "), QString(),
                            QStringLiteral("Continue Loading?"), QString(),
                            QStringLiteral("\u2022 Press Yes to repair registry and continue loading."),
                            QStringLiteral("(all settings will be reset to default values)      "),
                            QStringLiteral("\u2022 Press No to terminate loading.")}
                    .join(cr()),
                QStringLiteral("YN"), app + QStringLiteral(" Registry Initialization Error"), false, 1);
        if (!g.gMsgResult) {
            m_s.AbortStartup = true;
            return;
        }
    }

    m_s.SettingsReset = true;

    g.gUserName = m_services.userName->loginName();
    const QString documents = defaultDocumentsFolder();
    m_s.TBLoadFolder = m_s.TBSaveFolder = m_s.CFMLoadFolder = m_s.CFMSaveFolder = documents;

    for (const char *item : {"ViewZoom", "ViewCode", "ViewKS", "OptLoadTD", "OptUnloadTD", "DisplayEW", "DisplayCD",
                             "DisplayOW", "DisplayCS", "DisplayTT"})
        m_c.menu->setChecked(key(item), true);
    g.gToolTips = true;

    m_s.VCPosition = QStringLiteral("L");
    // Arial is what the TextBoard starts in; where it is not installed, the family that
    // stands in for it.
    m_s.TBFontName = substituteFamily(QStringLiteral("Arial"));
    m_c.TextBoard->setAlignment(0);
    m_s.TBFontColorIndex = 0;
    m_s.TBFontColorName = QStringLiteral("Black");
    m_c.ZoomSizeSlider->setValue(72);
    m_s.TBFontStyle = {0, 0, 0, 0};

    m_s.FMForeColorName = QStringLiteral("Window Text");
    m_s.FMForePaletteRef = 1;
    m_s.FMForeColorIndex = 8;
    m_s.FMBackColorName = QStringLiteral("Window Background");
    m_s.FMBackPaletteRef = 1;
    m_s.FMBackColorIndex = 5;

    const ScreenDefaults::Sizes sizes = ScreenDefaults::forScreenWidth(m_services.display->screenWidth());
    m_s.SizeIndex = sizes.sizeIndex;
    m_c.FontSizeSlider->setValue(sizes.textBoardFontSize);
    m_c.sldSetFMapSize->setValue(m_s.SizeIndex);

    m_s.InitMap = false;
    m_s.InitMapPath = QStringLiteral("None");

    const int mainBands[] = {945, 6240, 2310, 1230};
    for (int i = 0; i < 4; ++i)
        m_c.CoolBarCM->setBandWidth(i + 1, mainBands[i]);
    const int tbBands[] = {1920, 1575, 2055, 1230, 2880};
    for (int i = 0; i < 5; ++i)
        m_c.CoolBarTB->setBandWidth(i + 1, tbBands[i]);
    m_c.clbFontMap->setBandWidth(1, 1635);
    m_c.clbFontMap->setBandWidth(2, 5310);

    const QRectF area = m_services.display->workArea();
    const double top = (area.height() - (m_window.formHeight() + 8.0 * m_s.SizeIndex * m_s.TwipsPerPixelY)) / 2;
    const double left = (area.width() - (m_window.formWidth() + 28.0 * m_s.SizeIndex * m_s.TwipsPerPixelX)) / 2;
    m_window.move(Twips::toQt(left), Twips::toQt(top));

    RegistryFunctions &reg = m_settings.functions();
    reg.CreateNewKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString()));
    // Refused while the subkeys exist, so a repair overwrites the values that are there.
    reg.DeleteKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString()));
    CreateRegKeys();
    WriteDefaultCustomColors();
    WriteInitRegValues();
    SaveTBSettings();
    SaveLastSettings();
}

void SettingsStore::CreateRegKeys()
{
    for (const QString &k : SettingsLayout::keys())
        m_settings.functions().CreateNewKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(k));
}

void SettingsStore::WriteDefaultCustomColors()
{
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i)
        m_settings.write(key("CustomColors"), QString::number(i), CustomColorDefaults::color(i));
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i)
        m_settings.write(key("CustomLabels"), QString::number(i), CustomColorDefaults::label(i));
}

void SettingsStore::WriteInitRegValues()
{
    m_settings.write(QString(), key("MV"), 300);
    m_settings.write(QString(), key("SV"), 2);
    m_settings.write(key("FB"), key("SampleText"), QStringLiteral("The Quick Brown Fox Jumped Over the Lazy Dog."));
    m_settings.write(key("CFMEditor"), key("ListCols"), 10);
    m_settings.write(key("CFMEditor"), key("ShiftDir"), 0);
    m_settings.write(key("Options"), key("ZoomedLetter"), 65);
    m_settings.write(key("Options"), key("OFMapStart"), 60);
}

void SettingsStore::writeMenuCheck(const QString &regKey, const QString &name, const QString &item)
{
    m_settings.write(regKey, name, m_c.menu->isChecked(item));
}

void SettingsStore::SaveTBSettings()
{
    const QString tb = key("TextBoard");
    m_settings.write(tb, key("FontName"), m_s.TBFontName);
    m_settings.write(tb, key("FontSize"), m_c.FontSizeNumber->text().toInt());
    const char *styles[] = {"Bold", "Italic", "Underline", "Strikeout"};
    for (int i = 0; i < 4; ++i)
        m_settings.write(tb, key(styles[i]), m_s.TBFontStyle[i]);
    m_settings.write(tb, key("Alignment"), m_c.TextBoard->Alignment());
    m_settings.write(tb, key("FontColorIndex"), m_s.TBFontColorIndex);
    m_settings.write(tb, key("FontColorName"), m_s.TBFontColorName);

    for (const MenuToggle &t : kMenuToggles)
        writeMenuCheck(key(t.key), key(t.name), key(t.item));
    m_settings.write(key("Options"), key("VCPosition"), m_s.VCPosition);

    const QString fm = key("FontMap");
    m_settings.write(fm, key("ForeColor"), foreColor(m_c.TextZoom));
    m_settings.write(fm, key("BackColor"), backColor(m_c.TextZoom));
    m_settings.write(fm, key("ForeColorIndex"), m_s.FMForeColorIndex);
    m_settings.write(fm, key("BackColorIndex"), m_s.FMBackColorIndex);
    m_settings.write(fm, key("ForeColorName"), m_s.FMForeColorName);
    m_settings.write(fm, key("BackColorName"), m_s.FMBackColorName);
    m_settings.write(fm, key("ForePaletteRef"), m_s.FMForePaletteRef);
    m_settings.write(fm, key("BackPaletteRef"), m_s.FMBackPaletteRef);
    m_settings.write(fm, key("Borders"), m_c.FMapContainer->cell(0).borderStyle);
    m_settings.write(fm, key("SizeIndex"), m_s.SizeIndex);
    m_settings.write(fm, key("InitMap"), m_s.InitMap);
    m_settings.write(fm, key("InitMapPath"), m_s.InitMapPath);

    m_settings.write(key("Views"), key("ZoomSize"), QString::number(m_c.ZoomSizeSlider->value()));
}

template<int Max>
void SettingsStore::saveRecentList(const QString &regKey, const RecentFileList<Max> &list)
{
    // Every rank is written, so a list that shrank leaves no stale entries.
    for (int i = 1; i <= Max; ++i) {
        const RecentFile &f = list(i);
        m_settings.write(regKey, QString::number(i), f.folder.isEmpty() ? QString() : f.folder + f.name);
    }
}

void SettingsStore::SaveLastSettings()
{
    saveRecentList(key("MRU"), m_s.FileMRUList);
    saveRecentList(key("CFMRU"), m_s.CFMRUList);
    m_settings.write(key("FontMap"), key("SizeIndex"), m_c.lblSetFMapSizeNumber->text().toInt());

    const BarBands bars[] = {{m_c.CoolBarCM, "MainBand"}, {m_c.CoolBarTB, "TBBand"}, {m_c.clbFontMap, "FMBand"}};
    for (const BarBands &b : bars) {
        for (int i = 1; i <= b.bar->bandCount(); ++i)
            m_settings.write(key("Bars"), QStringLiteral("%1%2Wdth").arg(key(b.prefix)).arg(i), b.bar->bandWidth(i));
    }

    const QString last = key("Last");
    m_settings.write(last, key("LFLoadPath"), m_s.TBLoadFolder);
    m_settings.write(last, key("LFSavePath"), m_s.TBSaveFolder);
    m_settings.write(last, key("LMLoadPath"), m_s.CFMLoadFolder);
    m_settings.write(last, key("LMSavePath"), m_s.CFMSaveFolder);
    if (!m_window.isMinimized() && !m_window.isMaximized()) {
        m_settings.write(last, key("FormTop"), m_window.formTop());
        m_settings.write(last, key("FormLeft"), m_window.formLeft());
    }
    m_settings.write(last, key("FormHeight"), m_window.formHeight());
    m_settings.write(last, key("FormWidth"), m_window.formWidth());
}

void SettingsStore::DeleteTempColors()
{
    for (const char *name : {"FMFPaletteRef", "FMBPaletteRef", "FMFColorIndex", "FMBColorIndex", "FMFColorName",
                             "FMBColorName"})
        m_settings.remove(key("Temp"), key(name));
}

#include "app/SettingsStore.h"

#include "app/StoreProblemMessage.h"
#include "app/rules/ScreenDefaults.h"
#include "app/rules/SettingsLoad.h"
#include "core/GlobalDeclarations.h"
#include "core/SettingsLayout.h"
#include "fontmap/rules/CustomColorDefaults.h"
#include "platform/FontSubstitute.h"
#include "platform/UserFolders.h"
#include "platform/UserName.h"
#include "widgets/Message.h"

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

// The writes of the named values, each from its member of `settings`.
void appendValues(QList<SettingWrite> &writes, const Settings &settings, const QString &regKey,
                  std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const SettingsLayout::Value *v = SettingsLayout::find(regKey, key(name));
        Q_ASSERT(v && v->get);
        writes.append(SettingWrite{regKey, v->name, v->get(settings)});
    }
}

// The writes of every value of a key that Settings carries, in the layout's order.
void appendKey(QList<SettingWrite> &writes, const Settings &settings, const QString &regKey)
{
    for (const SettingsLayout::Value &v : SettingsLayout::values()) {
        if (v.key == regKey && v.get && v.firstRun != SettingsLayout::FirstRun::NotWritten)
            writes.append(SettingWrite{regKey, v.name, v.get(settings)});
    }
}

} // namespace

SettingsStore::SettingsStore(Registry &registry, UserName &userName, const FontMapColors &schemeColors)
    : m_registry(registry)
    , m_settings(registry)
    , m_userName(userName)
    , m_schemeColors(schemeColors)
{
    m_registry.setSaveFailureHandler([this](const StoreProblem &problem) { tellSaveFailure(problem); });
}

SettingsStore::~SettingsStore()
{
    m_registry.setSaveFailureHandler({});
}

void SettingsStore::reportProblem(const StoreProblem &problem)
{
    m_toldUnreadable = m_toldUnreadable || problem.kind == StoreProblem::Kind::Unreadable;
    ReportStoreProblem(problem, m_schemeColors);
}

void SettingsStore::tellSaveFailure(const StoreProblem &problem)
{
    // One message is enough: a full disk refuses every change after the first, and the
    // exit makes several. A store that cannot be read was told of at start-up already.
    if (m_toldSaveFailure || (problem.kind == StoreProblem::Kind::Unreadable && m_toldUnreadable))
        return;
    m_toldSaveFailure = true;
    ReportStoreProblem(problem, m_schemeColors);
}

SettingsStore::LoadResult SettingsStore::LoadSettings(Settings &settings, const Screen &screen)
{
    GlobalDeclarations &g = globals();
    g.gRegError = false;
    LoadResult result;

    SettingsLoad::checkCustomColors(m_settings);
    if (g.gRegError) {
        firstRunQuestion(settings, screen, result);
        return result;
    }
    SettingsLoad::readRecentFiles(m_settings, settings);
    if (!g.gRegError)
        SettingsLoad::readRecentMaps(m_settings, settings);
    if (g.gRegError) {
        firstRunQuestion(settings, screen, result);
        return result;
    }
    bool essentialEmpty = SettingsLoad::readTextBoard(m_settings, settings);
    if (!g.gRegError)
        essentialEmpty = SettingsLoad::readLast(m_settings, settings) || essentialEmpty;
    if (g.gRegError) {
        firstRunQuestion(settings, screen, result);
        return result;
    }

    result.maxSizeIndex = ScreenDefaults::maxSizeIndex(screen.width, screen.twipsPerPixelX);
    if (settings.SizeIndex > result.maxSizeIndex) {
        const QString app = g.gAppName;
        QrvlMsg(QStringList{QString(), QStringLiteral("Your screen resolution may have changed"),
                            QStringLiteral("from the last time ") + app + QStringLiteral(" was run."), QString(),
                            QStringLiteral("The last used FontMap size cannot be"),
                            QStringLiteral("accommodated in the current screen size."), QString(),
                            app + QStringLiteral(" will adjust it to suit the current screen size.")}
                    .join(cr()),
                QStringLiteral("OK"), messageTitle(" FontMap Size Error"), false, 1, m_schemeColors);
        result.sizeTooLarge = true;
    }

    if (essentialEmpty)
        firstRunQuestion(settings, screen, result);
    return result;
}

void SettingsStore::firstRunQuestion(Settings &settings, const Screen &screen, LoadResult &result)
{
    reportProblem(m_registry.problem());
    const QString app = globals().gAppName;
    QrvlMsg(cr() + cr() + cr() + cr() + QStringLiteral("Are you running ") + app + QStringLiteral(" for the first time?"),
            QStringLiteral("YN"), messageTitle(" Init Information"), false, 1, m_schemeColors);
    SetDefaultSettings(globals().gMsgResult ? QStringLiteral("Act") : QStringLiteral("Ask"), settings, screen, result);
}

void SettingsStore::SetDefaultSettings(const QString &mode, Settings &settings, const Screen &screen,
                                       LoadResult &result)
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
                QStringLiteral("YN"), messageTitle(" Registry Initialization Error"), false, 1, m_schemeColors);
        if (!g.gMsgResult) {
            result.abort = true;
            return;
        }
    }
    result.reset = true;
    result.sizeTooLarge = false;
    g.gUserName = m_userName.loginName();

    Settings d = SettingsLayout::literalDefaults();
    const QString documents = documentsFolder();
    d.LFLoadPath = d.LFSavePath = d.LMLoadPath = d.LMSavePath = documents;
    // Arial is what the TextBoard starts in; where it is not installed, the family that
    // stands in for it.
    d.TBFontName = substituteFamily(QStringLiteral("Arial"));
    const ScreenDefaults::Sizes sizes = ScreenDefaults::forScreenWidth(screen.width);
    d.SizeIndex = sizes.sizeIndex;
    d.TBFontSize = sizes.textBoardFontSize;
    d.FMBandWidth[2] = screen.designedFMBand3Width;
    d.FormWidth = int(screen.designedFormWidth);
    d.FormHeight = int(screen.designedFormHeight);
    const QRectF area = screen.workArea;
    d.FormTop = int((area.height() - (screen.designedFormHeight + 8.0 * d.SizeIndex * screen.twipsPerPixelY)) / 2);
    d.FormLeft = int((area.width() - (screen.designedFormWidth + 28.0 * d.SizeIndex * screen.twipsPerPixelX)) / 2);
    result.maxSizeIndex = ScreenDefaults::maxSizeIndex(screen.width, screen.twipsPerPixelX);
    // What was read before the missing value, the recent-file lists, stays and is written
    // back with the defaults: one missing value must not cost the user the lists.
    d.FileMRU = settings.FileMRU;
    d.CFMRU = settings.CFMRU;
    settings = d;

    RegistryFunctions &reg = m_settings.functions();
    reg.CreateNewKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString()));
    // Refused while the subkeys exist, so a repair overwrites the values that are there.
    reg.DeleteKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString()));
    CreateRegKeys();
    m_settings.writeMany(defaultCustomColors() + initRegValues(settings) + tbSettings(settings)
                         + lastSettings(settings, true));
}

void SettingsStore::CreateRegKeys()
{
    for (const QString &k : SettingsLayout::keys())
        m_settings.functions().CreateNewKey(HKEY_CURRENT_USER, SettingsLayout::keyPath(k));
}

QList<SettingWrite> SettingsStore::defaultCustomColors() const
{
    QList<SettingWrite> writes;
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i)
        writes.append(SettingWrite{key("CustomColors"), QString::number(i), CustomColorDefaults::color(i)});
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i)
        writes.append(SettingWrite{key("CustomLabels"), QString::number(i), CustomColorDefaults::label(i)});
    return writes;
}

QList<SettingWrite> SettingsStore::initRegValues(const Settings &settings) const
{
    QList<SettingWrite> writes;
    appendValues(writes, settings, QString(), {"MV", "SV"});
    appendValues(writes, settings, key("FB"), {"SampleText"});
    appendValues(writes, settings, key("CFMEditor"), {"ListCols", "ShiftDir"});
    appendValues(writes, settings, key("Options"), {"ZoomedLetter", "OFMapStart"});
    return writes;
}

QList<SettingWrite> SettingsStore::tbSettings(const Settings &settings) const
{
    QList<SettingWrite> writes;
    appendKey(writes, settings, key("TextBoard"));
    appendValues(writes, settings, key("FontMap"), {"Hilite"});
    appendValues(writes, settings, key("Views"), {"Zoom", "Code", "KeyStroke"});
    appendValues(writes, settings, key("Options"),
                 {"TXTLoadSet", "QUFUnLoadSet", "CopyDialog", "ExitWarning", "OverwriteWarning", "ColorScheme",
                  "ToolTips", "VCPosition"});
    appendValues(writes, settings, key("FontMap"),
                 {"ForeColor", "BackColor", "ForeColorIndex", "BackColorIndex", "ForeColorName", "BackColorName",
                  "ForePaletteRef", "BackPaletteRef", "Borders", "SizeIndex", "InitMap", "InitMapPath"});
    appendValues(writes, settings, key("Views"), {"ZoomSize"});
    return writes;
}

QList<SettingWrite> SettingsStore::lastSettings(const Settings &settings, bool withPlacement) const
{
    QList<SettingWrite> writes;
    // Every rank is written, so a list that shrank leaves no stale entries.
    appendKey(writes, settings, key("MRU"));
    appendKey(writes, settings, key("CFMRU"));
    appendValues(writes, settings, key("FontMap"), {"SizeIndex"});
    appendKey(writes, settings, key("Bars"));
    appendValues(writes, settings, key("Last"), {"LFLoadPath", "LFSavePath", "LMLoadPath", "LMSavePath"});
    if (withPlacement)
        appendValues(writes, settings, key("Last"), {"FormTop", "FormLeft"});
    appendValues(writes, settings, key("Last"), {"FormHeight", "FormWidth"});
    return writes;
}

void SettingsStore::SaveLastSettings(const Settings &settings, const RecentLists &recent, bool withPlacement)
{
    m_settings.writeMany([&](SettingsAccess &now) {
        // Another running program may have stored its recent files since start-up; its
        // entries are kept behind the ones opened here.
        Settings stored;
        SettingsLoad::readRecentFiles(now, stored);
        SettingsLoad::readRecentMaps(now, stored);
        Settings last = settings;
        last.FileMRU = mergedRecentPaths(recent.files, stored.FileMRU);
        last.CFMRU = mergedRecentPaths(recent.maps, stored.CFMRU);
        return lastSettings(last, withPlacement);
    });
}

void SettingsStore::DeleteTempColors()
{
    for (const char *name : {"FMFPaletteRef", "FMBPaletteRef", "FMFColorIndex", "FMBColorIndex", "FMFColorName",
                             "FMBColorName"})
        m_settings.remove(key("Temp"), key(name));
}

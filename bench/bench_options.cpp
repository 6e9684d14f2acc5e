// The Options dialog over a settings store on disk: opening it (reading every default, building
// and showing its six tabs and samples) and Set after a change (the one batch of writes).
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/rules/CustomColors.h"
#include "platform/FcFontCatalog.h"
#include "platform/FileRegistry.h"
#include "platform/FontSubstitute.h"
#include "platform/FtCodePage.h"
#include "platform/Services.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/MemoryRegistry.h"
#include "tools/OptionsDialog.h"
#include "tools/rules/OptionDefaults.h"

#include <QCheckBox>
#include <QTemporaryDir>

class BenchOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void open();
    void set();
    void setWithoutTheDisk();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FileRegistry> m_store;
    FcFontCatalog m_fonts;
    FtCodePage m_codePage{m_fonts};
    FakeCommonDialog m_dialog;
    const FontMapColors m_fontMapColors;
    Services m_services;
    std::unique_ptr<FMColorPalette> m_palette;
};

void BenchOptions::initTestCase()
{
    m_store = std::make_unique<FileRegistry>(m_dir.path());
    // A store as a first run leaves it, so the file has its usual size.
    for (const QString &key : SettingsLayout::keys())
        m_store->createKey(SettingsLayout::keyPath(key));
    SettingsAccess settings(*m_store);
    CustomColors::save(settings, CustomColors::defaults());
    Settings defaults = SettingsLayout::literalDefaults();
    defaults.TBFontName = substituteFamily(QStringLiteral("Arial"));
    settings.writeMany(OptionDefaults::writes(defaults));
    m_services.registry = m_store.get();
    m_services.fonts = &m_fonts;
    m_services.codePage = &m_codePage;
    m_services.dialog = &m_dialog;
    m_palette = std::make_unique<FMColorPalette>(*m_store, m_dialog, m_fontMapColors);
    globals().gAppName = QStringLiteral("Quorvil");
    // The font catalogue is read once per run of the program, before any dialog opens.
    OptionsDialog warm(m_services, *m_palette, m_fontMapColors);
}

void BenchOptions::open()
{
    QBENCHMARK {
        OptionsDialog options(m_services, *m_palette, m_fontMapColors);
        options.show();
        QCoreApplication::processEvents();
    }
}

void BenchOptions::set()
{
    OptionsDialog options(m_services, *m_palette, m_fontMapColors);
    QCheckBox *copyDialog = options.controls().ODisplayCD;
    QBENCHMARK {
        copyDialog->click();
        SettingsAccess(*m_store).writeMany(OptionDefaults::writes(options.chosen()));
    }
}

// The dialog's own part of Set: the change test's values and the writes, into a store in memory.
void BenchOptions::setWithoutTheDisk()
{
    OptionsDialog options(m_services, *m_palette, m_fontMapColors);
    QCheckBox *copyDialog = options.controls().ODisplayCD;
    MemoryRegistry memory;
    for (const QString &key : SettingsLayout::keys())
        memory.createKey(SettingsLayout::keyPath(key));
    QBENCHMARK {
        copyDialog->click();
        SettingsAccess(memory).writeMany(OptionDefaults::writes(options.chosen()));
    }
}

QUORVIL_TEST_MAIN(BenchOptions)
#include "bench_options.moc"

#include "support/MainWindowFixture.h"

#include "core/SettingsLayout.h"
#include "platform/FontSubstitute.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QCoreApplication>
#include <QTest>

MainWindowFixture::MainWindowFixture(int screenWidth, int screenHeight, Store store, Fonts fonts)
    : display(screenWidth, screenHeight)
    , m_fonts(fonts)
{
    if (fonts == Fonts::Fake) {
        for (const QString &family :
             {substituteFamily(QStringLiteral("Arial")), QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")})
        {
            FakeFontCatalog::Family declared;
            declared.name = family;
            fakeFonts.addFamily(declared);
        }
    }
    if (store == Store::AsItIs)
        return;
    TestEnvironment::clearSettings();
    if (store == Store::Empty)
        return;
    const int width = display.screenWidth();
    if (width < 800)
        display.setScreen(1024, 768);
    {
        // The first run's program state ends with it.
        GlobalDeclarations seedRun;
        MessageDriver driver;
        driver.yes();
        Quorvil seed(services(), {QStringLiteral("quorvil")});
        seed.start();
        QCoreApplication::processEvents();
        seed.close();
    }
    if (width < 800)
        display.setScreen(width, screenHeight);
}

Services MainWindowFixture::services()
{
    Services s;
    s.display = &display;
    s.fileChecks = &fileChecks;
    s.userName = &userName;
    s.shell = &shell;
    s.registry = &registry;
    s.clipboard = clipboardService ? clipboardService : &clipboard;
    s.fonts = m_fonts == Fonts::Fake ? static_cast<FontCatalog *>(&fakeFonts) : &fonts;
    s.codePage = m_fonts == Fonts::Fake ? static_cast<CodePage *>(&fakeCodePage) : &codePage;
    s.dialog = dialogService ? dialogService : &dialog;
    s.keyboardLocks = &keyboardLocks;
    return s;
}

bool MainWindowFixture::start(const QStringList &commandLine)
{
    m_window = std::make_unique<Quorvil>(services(), QStringList{QStringLiteral("quorvil")} + commandLine);
    const bool running = m_window->start();
    QCoreApplication::processEvents(); // the first activation
    return running;
}

void chooseFont(MainWindowFixture &f, const QString &name)
{
    QComboBox *combo = f.controls().FontNameCombo;
    const int index = combo->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void setSavedFont(MainWindowFixture &f, const QString &name)
{
    QVERIFY(f.registry.setValue(SettingsLayout::keyPath(QStringLiteral("TextBoard")), QStringLiteral("FontName"),
                                RegData{REG_SZ, name.toUtf8()}));
}

void editInPlace(QLabel *number, QLineEdit *edit, const QString &typed, Qt::Key key)
{
    const QString shown = number->text();
    QTest::mouseClick(number, Qt::LeftButton);
    QVERIFY(!edit->isHidden());
    QCOMPARE(edit->geometry(), number->geometry());
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->selectedText(), shown);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, key);
    QVERIFY(edit->isHidden());
}

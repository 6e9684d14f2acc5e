// Starts the real main window, hovers and clicks a few FontMap cells with synthetic
// mouse events and stays open, for screenshots:  showmainwindow [text to click]
#include "core/GlobalDeclarations.h"
#include "widgets/ActionCollection.h"
#include "app/Quorvil.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/Charset.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    ProductionServices services;
    Quorvil window(services.services(), {QStringLiteral("quorvil")});
    if (!window.start())
        return 0;
    const QString text = app.arguments().value(1, QStringLiteral("Quorvil \u00e9\u00e8\u00a9\u00bd"));
    QTimer::singleShot(300, [&] {
        FontMapGrid *grid = window.controls().FMapContainer;
        for (const char *view : {"ViewZoom", "ViewCode", "ViewKS", "FMHiLite"})
            window.commands().setChecked(QString::fromLatin1(view), true);
        for (QChar ch : text) {
            const int code = codeForChar(ch, FontCharset::Ansi).value_or('?');
            QTest::mouseMove(grid, grid->cellRect(code - 32).center());
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(code - 32).center());
        }
    });
    return app.exec();
}

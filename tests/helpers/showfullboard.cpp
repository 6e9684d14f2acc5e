// Starts the main window on a private store with a full TextBoard of one long run of
// letters (no blanks, so every line breaks where it is full) and stays open, for
// screenshots:  QT_QPA_PLATFORM=xcb showfullboard [points]
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "textboard/TextBoardEdit.h"

#include <QApplication>
#include <QSlider>

int main(int argc, char **argv)
{
    TestEnvironment::setUp(TestScreen{1280, 1024});
    QApplication app(argc, argv);
    GlobalDeclarations program;
    MainWindowFixture f(1280, 1024);
    if (!f.start())
        return 1;
    const int points = app.arguments().value(1, QStringLiteral("12")).toInt();
    f.controls().FontSizeSlider->setValue(points);
    TextBoardEdit *board = f.controls().TextBoard;
    const QString run = QStringLiteral("TheQuickBrownFoxJumpsOverTheLazyDog0123456789");
    board->setText(run.repeated(61440 / run.size() + 1).left(61440));
    board->setFocus();
    board->setSelStart(200);
    board->setSelLength(60);
    return app.exec();
}

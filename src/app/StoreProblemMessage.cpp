#include "app/StoreProblemMessage.h"

#include "widgets/Message.h"
#include "app/rules/GlobalDeclarations.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A folder as the user knows it ("~" for the home folder), with a break allowed after
// each separator, so that a long path wraps in the message instead of running out of it.
QString shownFolder(const QString &folder)
{
    QString shown = QDir::toNativeSeparators(folder);
    const QString home = QDir::homePath();
    if (shown == home || shown.startsWith(home + QLatin1Char('/')))
        shown.replace(0, home.size(), QStringLiteral("~"));
    return shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
}

} // namespace

void ReportStoreProblem(const StoreProblem &problem)
{
    if (problem.kind == StoreProblem::Kind::None)
        return;
    const QFileInfo store(problem.storePath);
    QStringList lines{QString(), QStringLiteral("The settings file ") + store.fileName() + QStringLiteral(" in the folder"),
                      shownFolder(store.absolutePath())};
    if (problem.kind == StoreProblem::Kind::Unreadable) {
        lines << QStringLiteral("cannot be read: ") + problem.reason + QLatin1Char('.') << QString()
              << QStringLiteral("It is left untouched, and no settings") << QStringLiteral("can be saved in it.");
    } else if (problem.keptAs.isEmpty()) {
        lines << QStringLiteral("is damaged and could not be read.") << QString()
              << QStringLiteral("It is left as it is: no copy of it could be kept.");
    } else {
        lines << QStringLiteral("is damaged and could not be read.") << QString()
              << QStringLiteral("A copy of it was kept in the same folder as") << QFileInfo(problem.keptAs).fileName();
    }
    const QString app = globals().gAppName;
    QrvlMsg(lines.join(QLatin1Char('\r')), QStringLiteral("OK"), app + QStringLiteral(" Settings File Error"), false, 1);
}

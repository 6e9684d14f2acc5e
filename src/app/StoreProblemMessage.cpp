#include "app/StoreProblemMessage.h"

#include "platform/RegeditFormat.h"
#include "widgets/Message.h"

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

void ReportStoreProblem(const StoreProblem &problem, const FontMapColors &schemeColors)
{
    if (problem.kind == StoreProblem::Kind::None)
        return;
    const QFileInfo store(problem.storePath);
    QStringList lines{QString(), QStringLiteral("The settings file ") + store.fileName() + QStringLiteral(" in the folder"),
                      shownFolder(store.absolutePath())};
    switch (problem.kind) {
    case StoreProblem::Kind::Unreadable:
        lines << QStringLiteral("cannot be read: ") + problem.reason + QLatin1Char('.') << QString()
              << QStringLiteral("It is left untouched, and no settings") << QStringLiteral("can be saved in it.");
        break;
    case StoreProblem::Kind::NotSaved:
        lines << QStringLiteral("could not be saved: ") + problem.reason + QLatin1Char('.') << QString()
              << QStringLiteral("It is kept as it was, without the settings")
              << QStringLiteral("changed since it was last saved.");
        break;
    case StoreProblem::Kind::None:
        return;
    case StoreProblem::Kind::Damaged:
    case StoreProblem::Kind::TooLarge:
        lines << (problem.kind == StoreProblem::Kind::TooLarge
                      ? QStringLiteral("is larger than %1 MiB and could not be read.").arg(kMaxRegeditBytes >> 20)
                      : QStringLiteral("is damaged and could not be read."))
              << QString();
        if (problem.keptAs.isEmpty())
            lines << QStringLiteral("It is left as it is: no copy of it could be kept.");
        else
            lines << QStringLiteral("A copy of it was kept in the same folder as") << QFileInfo(problem.keptAs).fileName();
        break;
    }
    QrvlMsg(lines.join(QLatin1Char('\r')), QStringLiteral("OK"), messageTitle(" Settings File Error"), false, 1,
            schemeColors);
}

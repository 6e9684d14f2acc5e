#include "platform/CommonDialog.h"

DialogResult CommonDialog::cancelled(const CommonDialogProperties &dlg)
{
    return dlg.CancelError ? DialogResult::Cancelled : DialogResult::Confirmed;
}

QList<FileFilter> parseFileFilter(const QString &filter)
{
    QList<FileFilter> pairs;
    if (filter.isEmpty())
        return pairs;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        FileFilter f;
        f.description = parts.at(i);
        if (i + 1 < parts.size()) {
            for (const QString &glob : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                f.patterns.append(glob.trimmed());
        }
        if (f.patterns.isEmpty())
            f.patterns.append(QStringLiteral("*"));
        pairs.append(f);
    }
    return pairs;
}

QString fileTitleOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString fontChoiceRefusal(const CommonDialogProperties &dlg, double size, bool installed)
{
    if ((dlg.Flags & CdlFlags::ForceFontExist) && !installed)
        return QStringLiteral("There is no font with that name.\nChoose a font from the list of fonts.");
    if ((dlg.Flags & CdlFlags::LimitSize) && (size < dlg.Min || size > dlg.Max))
        return QStringLiteral("Size must be between %1 and %2 points.").arg(dlg.Min).arg(dlg.Max);
    return QString();
}

#include "fontmap/rules/FontListEntry.h"

QString FontListEntry::imageKey() const
{
    return isTrueType() ? QStringLiteral("TT") : QStringLiteral("SF");
}

bool isInitialLetter(int keyAscii)
{
    return (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
}

int initialLetterIndex(const QList<QString> &names, int keyAscii)
{
    if (!isInitialLetter(keyAscii))
        return -1;
    const QChar typed = QChar(keyAscii).toUpper();
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (!name.isEmpty() && name.at(0).toUpper() == typed)
            return i;
    }
    return -1;
}

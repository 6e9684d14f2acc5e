#pragma once

#include <QList>
#include <QString>

// One entry of the hidden font list that every font box is filled from: the face name
// immediately followed by the enumeration's one-digit font type (4 TrueType), and the font's
// number, its column of the program-wide font records.
struct FontListEntry
{
    QString text;
    int fontNumber = 0;

    // The entry without its type digit.
    QString faceName() const { return text.chopped(text.isEmpty() ? 0 : 1); }
    bool isTrueType() const { return text.endsWith(QLatin1Char('4')); }
    // The picture a font box shows beside the face: "TT" for TrueType, "SF" for any other type.
    QString imageKey() const;
};

using FontListEntries = QList<FontListEntry>;

// The font boxes jump to a face when its first letter is typed: a letter A to Z or a to z.
bool isInitialLetter(int keyAscii);

// The name whose first letter is `keyAscii` in either case: its index from 0, or -1 when the key
// is no such letter or no name begins with it.
int initialLetterIndex(const QList<QString> &names, int keyAscii);

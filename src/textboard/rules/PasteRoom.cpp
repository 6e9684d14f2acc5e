#include "textboard/rules/PasteRoom.h"

namespace PasteRoom {

bool boardIsFull(int count, int selectionLength, int maxLength)
{
    return count >= maxLength && selectionLength == 0;
}

int room(int count, int selectionLength, int maxLength)
{
    return maxLength - (count - selectionLength);
}

QString partialText(const QString &text, int room)
{
    if (room <= 0)
        return QString();
    if (room >= text.size())
        return text;
    // A lone CR would become a whole break on the board and take two characters.
    qsizetype cut = room;
    if (text.at(cut - 1) == QLatin1Char('\r') && text.at(cut) == QLatin1Char('\n'))
        --cut;
    return text.left(cut);
}

} // namespace PasteRoom

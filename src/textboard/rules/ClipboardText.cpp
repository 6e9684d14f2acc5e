#include "textboard/rules/ClipboardText.h"

#include "textboard/rules/BoardText.h"

QString toClipboardText(const QString &boardText, FontCharset charset)
{
    QString text = recodeText(boardText, charset, FontCharset::Ansi);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString fromClipboardText(const QString &clipboardText, FontCharset charset)
{
    return recodeText(BoardText::withBoardBreaks(clipboardText), FontCharset::Ansi, charset);
}

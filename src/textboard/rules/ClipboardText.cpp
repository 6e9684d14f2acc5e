#include "textboard/rules/ClipboardText.h"

QString toClipboardText(const QString &boardText, FontCharset charset)
{
    QString text = recodeText(boardText, charset, FontCharset::Ansi);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString fromClipboardText(const QString &clipboardText, FontCharset charset)
{
    QString text = clipboardText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return recodeText(text, FontCharset::Ansi, charset);
}

#include "platform/CodePage.h"

QChar CodePage::charForCode(quint8 code, const QString &family) const
{
    return ::charForCode(code, charset(family));
}

std::optional<quint8> CodePage::codeForChar(QChar ch, const QString &family) const
{
    return ::codeForChar(ch, charset(family));
}

QByteArray CodePage::encodeText(const QString &text, const QString &family) const
{
    return ::encodeText(text, charset(family));
}

QString CodePage::decodeText(const QByteArray &bytes, const QString &family) const
{
    return ::decodeText(bytes, charset(family));
}

#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void SystemClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void SystemClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void SystemClipboard::setTextWithRtf(const QString &text, const QByteArray &rtf)
{
    // Word processors look for RTF under either name.
    auto *data = new QMimeData;
    data->setText(text);
    data->setData(QStringLiteral("text/rtf"), rtf);
    data->setData(QStringLiteral("application/rtf"), rtf);
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard takes ownership
}

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

bool SystemClipboard::hasText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

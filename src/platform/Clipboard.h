#pragma once

#include <QByteArray>
#include <QString>

// The desktop's clipboard as the TextBoard uses it: plain text, and a whole text also
// as RTF for word processors.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    // Plain text plus the same text as RTF, offered under both text/rtf and application/rtf.
    virtual void setTextWithRtf(const QString &text, const QByteArray &rtf) = 0;

    virtual QString text() const = 0;  // empty when it holds no plain text
    virtual bool hasText() const = 0;
};

// The system clipboard, through QClipboard.
class SystemClipboard final : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    void setTextWithRtf(const QString &text, const QByteArray &rtf) override;

    QString text() const override;
    bool hasText() const override;
};

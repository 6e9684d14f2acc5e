#pragma once

#include "platform/Clipboard.h"

// A clipboard in memory: what the program put there, and text a test puts there as
// another program would.
class FakeClipboard final : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    void setTextWithRtf(const QString &text, const QByteArray &rtf) override;

    QString text() const override { return m_text; }
    bool hasText() const override { return m_hasText; }

    // The RTF of the last setTextWithRtf; empty after anything else.
    const QByteArray &rtf() const { return m_rtf; }
    int clearCount() const { return m_clears; }

private:
    QString m_text;
    QByteArray m_rtf;
    bool m_hasText = false;
    int m_clears = 0;
};

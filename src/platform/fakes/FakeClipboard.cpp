#include "platform/fakes/FakeClipboard.h"

void FakeClipboard::clear()
{
    m_text.clear();
    m_rtf.clear();
    m_hasText = false;
    ++m_clears;
}

void FakeClipboard::setText(const QString &text)
{
    m_text = text;
    m_rtf.clear();
    m_hasText = true;
}

void FakeClipboard::setTextWithRtf(const QString &text, const QByteArray &rtf)
{
    m_text = text;
    m_rtf = rtf;
    m_hasText = true;
}

#pragma once

#include "platform/CodePage.h"

#include <QHash>

// Charsets a test declares per family; every other family is ANSI.
class FakeCodePage final : public CodePage
{
public:
    FontCharset charset(const QString &family) const override
    {
        return m_charsets.value(family.toCaseFolded(), FontCharset::Ansi);
    }

    void setCharset(const QString &family, FontCharset charset) { m_charsets.insert(family.toCaseFolded(), charset); }

private:
    QHash<QString, FontCharset> m_charsets;
};

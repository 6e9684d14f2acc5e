#pragma once

#include "platform/CodePage.h"

#include <QHash>

class FontCatalog;

// Decides a family's charset from the charmaps of the file the catalog resolves it to, read
// with FreeType once per family and remembered.
class FtCodePage final : public CodePage
{
    Q_DISABLE_COPY_MOVE(FtCodePage)

public:
    explicit FtCodePage(const FontCatalog &catalog) : m_catalog(catalog) {}

    FontCharset charset(const QString &family) const override;

private:
    const FontCatalog &m_catalog;
    mutable QHash<QString, FontCharset> m_charsets; // case-folded family name -> charset
};

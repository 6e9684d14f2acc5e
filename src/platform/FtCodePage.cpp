#include "platform/FtCodePage.h"

#include "platform/FontCatalog.h"
#include "platform/FtFace.h"

FontCharset FtCodePage::charset(const QString &family) const
{
    const QString key = family.toCaseFolded();
    if (const auto it = m_charsets.constFind(key); it != m_charsets.cend())
        return *it;
    FontCharset charset = FontCharset::Ansi;
    if (const auto face = m_catalog.resolvedFace(family)) {
        if (FtFace(face->file, face->index).hasSymbolCharmap())
            charset = FontCharset::Symbol;
    }
    m_charsets.insert(key, charset);
    return charset;
}

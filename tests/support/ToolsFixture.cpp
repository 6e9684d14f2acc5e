#include "support/ToolsFixture.h"

#include "app/rules/ProductInfo.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/FontEnumeration.h"
#include "platform/FcFontCatalog.h"
#include "platform/FtCodePage.h"
#include "platform/fakes/FakeCodePage.h"

ToolsFixture::ToolsFixture()
{
    auto catalog = std::make_unique<FcFontCatalog>();
    m_codePage = std::make_unique<FtCodePage>(*catalog);
    m_catalog = std::move(catalog);
    enumerate();
}

ToolsFixture::ToolsFixture(const QList<FakeFontCatalog::Family> &families)
{
    m_catalog = std::make_unique<FakeFontCatalog>(families);
    auto codePage = std::make_unique<FakeCodePage>();
    for (const FakeFontCatalog::Family &f : families) {
        if (f.symbol)
            codePage->setCharset(f.name, FontCharset::Symbol);
    }
    m_codePage = std::move(codePage);
    enumerate();
}

ToolsFixture::~ToolsFixture() = default;

QList<FakeFontCatalog::Family> ToolsFixture::madeUpFamilies(int count)
{
    QList<FakeFontCatalog::Family> families;
    for (int i = 0; i < count; ++i) {
        FakeFontCatalog::Family f;
        f.name = QStringLiteral("%1amily %2").arg(QChar(u'A' + i % 26)).arg(i, 4, 10, QLatin1Char('0'));
        f.format = i % 4 == 3 ? FontFormat::Cff : FontFormat::TrueType;
        families.append(f);
    }
    return families;
}

void ToolsFixture::enumerate()
{
    globals().gAppName = ProductInfo::appName();
    m_entries = enumerateFonts(*m_catalog);
}

Services ToolsFixture::services()
{
    Services s;
    s.display = &display;
    s.registry = &registry;
    s.fonts = m_catalog.get();
    s.codePage = m_codePage.get();
    return s;
}

int ToolsFixture::indexOf(const QString &face) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).faceName() == face)
            return i + 1;
    }
    return 0;
}

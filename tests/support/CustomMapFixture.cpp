#include "support/CustomMapFixture.h"

#include "app/rules/GlobalDeclarations.h"
#include "app/rules/ProductInfo.h"
#include "app/rules/SettingsLayout.h"

#include <QFileInfo>

QStringList fontListEntries(const FontCatalog &fonts)
{
    QStringList entries;
    fonts.enumFontFamilies([&entries](const EnumLogFont &lf, const NewTextMetric &, int type) {
        entries.append(lf.faceName() + QString::number(type));
        return 1;
    });
    return entries;
}

CustomMapFixture::CustomMapFixture()
{
    globals() = GlobalDeclarations{};
    globals().gAppName = ProductInfo::appName();
    registry.createKey(SettingsLayout::keyPath(QStringLiteral("CFMEditor")));
    fontEntries = fontListEntries(fonts);
}

Services CustomMapFixture::services()
{
    Services s;
    s.registry = &registry;
    s.fonts = &fonts;
    s.codePage = &codePage;
    s.dialog = &dialog;
    return s;
}

CustomMap &CustomMapFixture::create(const QString &saveFolder)
{
    m_editor.reset();
    m_editor = std::make_unique<CustomMap>(services(), slot, fontEntries, saveFolder);
    return *m_editor;
}

int CustomMapFixture::fontIndex(const QString &family) const
{
    for (int i = 0; i < fontEntries.size(); ++i) {
        if (fontEntries.at(i).chopped(1) == family)
            return i + 1;
    }
    return 0;
}

CustomMap &CustomMapFixture::openNew(const QString &family, double size)
{
    CustomMap &e = create();
    e.SetupNewCFMap(fontIndex(family), family, size);
    return e;
}

CustomMap *CustomMapFixture::openEdit(const QString &path, const QString &family, double size)
{
    CustomMap &e = create();
    if (!e.SetupEditCFMap(path, QFileInfo(path).fileName(), fontIndex(family), family, size))
        return nullptr;
    return &e;
}

#pragma once

#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontListEntry.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/Services.h"
#include "platform/fakes/FakeDisplay.h"
#include "platform/fakes/FakeFontCatalog.h"
#include "platform/fakes/MemoryRegistry.h"

#include <QList>

#include <memory>

// What the keyboard viewer and the font browser are handed: the platform services and the font
// list as the main window enumerated it (the program-wide font table filled likewise).
class ToolsFixture final
{
    // A fresh program state, current while the fixture lives.
    GlobalDeclarations m_program;

public:
    // Over the installed fonts, with any the test program added.
    ToolsFixture();
    // Over families of the test's own; a symbol family has the Symbol charset.
    explicit ToolsFixture(const QList<FakeFontCatalog::Family> &families);
    ~ToolsFixture();

    // `count` made-up families whose names begin with every letter in turn; every fourth is no
    // TrueType font.
    static QList<FakeFontCatalog::Family> madeUpFamilies(int count);

    Services services();
    const FontListEntries &fontList() const { return m_entries; }
    // The font list item of the face, from 1; 0 when there is none.
    int indexOf(const QString &face) const;

    FakeDisplay display;
    MemoryRegistry registry;
    // The FontMap colours the main window hands in; here the designed ones.
    FontMapColors fontMapColors;

private:
    void enumerate();

    std::unique_ptr<FontCatalog> m_catalog;
    std::unique_ptr<CodePage> m_codePage;
    FontListEntries m_entries;
};

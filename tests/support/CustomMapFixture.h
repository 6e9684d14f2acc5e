#pragma once

#include "core/GlobalDeclarations.h"
#include "fontmap/CustomMap.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/FcFontCatalog.h"
#include "platform/FtCodePage.h"
#include "platform/QcmFile.h"
#include "platform/Services.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/MemoryRegistry.h"

#include <QStringList>

#include <functional>

#include <memory>

// The custom map editor over the installed fonts (with any the test program added), a settings
// store in memory that holds the editor's key, scripted common dialogs and its own file slot.
class CustomMapFixture final
{
    // A fresh program state, current while the fixture lives; the editor ends before it.
    GlobalDeclarations m_program;

public:
    CustomMapFixture();

    // A fresh editor, as the main window makes one for each opening.
    CustomMap &create(const QString &saveFolder = QString());
    CustomMap &editor() { return *m_editor; }
    void destroy() { m_editor.reset(); }

    // The 1-based index of a family in the font list; 0 when it is not installed.
    int fontIndex(const QString &family) const;
    // A new map in that font, or the map stored at `path`, in a fresh editor.
    CustomMap &openNew(const QString &family, double size = 12);
    CustomMap *openEdit(const QString &path, const QString &family = QStringLiteral("DejaVu Sans"), double size = 12);

    template<typename W>
    W *child(const char *name) const
    {
        return m_editor->findChild<W *>(QString::fromLatin1(name));
    }

    MemoryRegistry registry;
    FcFontCatalog fonts;
    FtCodePage codePage{fonts};
    FakeCommonDialog dialog;
    CustomMapFileSlot slot;
    FontListEntries fontEntries;
    // The FontMap colours the main window hands in; here the designed ones.
    FontMapColors fontMapColors;

    Services services();

private:
    std::unique_ptr<CustomMap> m_editor;
};

// Acts on the custom map editor once the main window shows it modal: `act` runs inside the
// editor's own event loop and is expected to close it. Counts the editors it met, so a test
// can tell that none was shown.
class ModalEditorDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModalEditorDriver)

public:
    explicit ModalEditorDriver(std::function<void(CustomMap &)> act);

    int shown() const { return m_shown; }

private:
    void poll();

    std::function<void(CustomMap &)> m_act;
    int m_shown = 0;
};

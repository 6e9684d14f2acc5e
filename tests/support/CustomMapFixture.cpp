#include "support/CustomMapFixture.h"

#include "app/rules/ProductInfo.h"
#include "core/GlobalDeclarations.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontEnumeration.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

CustomMapFixture::CustomMapFixture()
{
    globals().gAppName = ProductInfo::appName();
    registry.createKey(SettingsLayout::keyPath(QStringLiteral("CFMEditor")));
    fontEntries = enumerateFonts(fonts);
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
    m_editor = std::make_unique<CustomMap>(services(), slot, fontEntries, saveFolder, fontMapColors);
    return *m_editor;
}

int CustomMapFixture::fontIndex(const QString &family) const
{
    for (int i = 0; i < fontEntries.size(); ++i) {
        if (fontEntries.at(i).faceName() == family)
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

ModalEditorDriver::ModalEditorDriver(std::function<void(CustomMap &)> act)
    : m_act(std::move(act))
{
    auto *timer = new QTimer(this);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, this, &ModalEditorDriver::poll);
    timer->start();
}

void ModalEditorDriver::poll()
{
    const QPointer<CustomMap> editor = qobject_cast<CustomMap *>(QApplication::activeModalWidget());
    if (!editor || !editor->isVisible() || editor->property("driven").toBool())
        return;
    editor->setProperty("driven", true);
    ++m_shown;
    m_act(*editor);
    // An editor the act left open would hold the test forever.
    if (editor && editor->isVisible())
        editor->hide();
}

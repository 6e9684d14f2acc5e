#include "textboard/TextBoardDocument.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardEdit.h"

TextBoardDocument::TextBoardDocument(TextBoardEdit &view, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_rtf(std::make_unique<RichTextBox>())
{
    connect(&m_view, &TextBoardEdit::Change, this, [this] { setModified(true); });
}

TextBoardDocument::~TextBoardDocument() = default;

QString TextBoardDocument::Text() const
{
    return m_view.Text();
}

int TextBoardDocument::length() const
{
    return m_view.length();
}

void TextBoardDocument::clear()
{
    m_view.setText(QString());
    m_rtf->setText(QString());
}

void TextBoardDocument::setModified(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    Q_EMIT modifiedChanged(changed);
}

void TextBoardDocument::setOpenFile(const QString &path, const QString &name)
{
    m_openPath = path;
    m_openName = name;
}

void TextBoardDocument::setLoadedFile(const QString &path, const QString &name)
{
    const bool moved = path != m_loadedPath;
    m_loadedPath = path;
    m_loadedName = name;
    if (moved)
        Q_EMIT pathChanged(path);
}

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class RichTextBox;
class TextBoardEdit;

// The TextBoard's document: its text, the hidden rich-text twin that files, find, the
// clipboard and printing go through, whether the text changed since it was loaded or saved,
// the file it came from, and the folders the file dialogs start in. The command parts take
// the document and the view; the view shows and edits the text.
//
// The text stays in the view's buffer, which also holds the caret, the selection and the
// undo history that typing, the input method and accessibility read on every keystroke; the
// document reads and replaces it through the view, so every change still reaches the view's
// layout and its Change signal.
class TextBoardDocument final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardDocument)

public:
    // Any change of the view's text marks the document changed.
    explicit TextBoardDocument(TextBoardEdit &view, QObject *parent = nullptr);
    ~TextBoardDocument() override;

    QString Text() const;
    int length() const;
    // Empties the text and its twin.
    void clear();

    // The twin (TextBoardRTF).
    RichTextBox &TextBoardRTF() { return *m_rtf; }

    // TBChanged: the text changed since it was last loaded or saved.
    bool TBChanged() const { return m_changed; }
    void setModified(bool changed);

    // TBOpenPath and TBOpenName: the file about to be loaded.
    const QString &TBOpenPath() const { return m_openPath; }
    const QString &TBOpenName() const { return m_openName; }
    void setOpenFile(const QString &path, const QString &name);
    // TBLoadedPath and TBLoadedName: the file the text was loaded from or saved in; empty
    // when none.
    const QString &TBLoadedPath() const { return m_loadedPath; }
    const QString &TBLoadedName() const { return m_loadedName; }
    void setLoadedFile(const QString &path, const QString &name);

    // TBLoadFolder and TBSaveFolder: where the open and save dialogs start.
    const QString &TBLoadFolder() const { return m_loadFolder; }
    void setTBLoadFolder(const QString &folder) { m_loadFolder = folder; }
    const QString &TBSaveFolder() const { return m_saveFolder; }
    void setTBSaveFolder(const QString &folder) { m_saveFolder = folder; }

Q_SIGNALS:
    void modifiedChanged(bool changed);
    // The loaded file changed (or the text was unloaded).
    void pathChanged(const QString &path);

private:
    TextBoardEdit &m_view;
    std::unique_ptr<RichTextBox> m_rtf;
    bool m_changed = false;
    QString m_openPath, m_openName;
    QString m_loadedPath, m_loadedName;
    QString m_loadFolder, m_saveFolder;
};

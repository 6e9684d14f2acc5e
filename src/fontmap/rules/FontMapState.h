#pragma once

#include "fontmap/rules/CodeTable.h"

#include <QObject>
#include <QString>

// The FontMap's own state that its parts share: the chosen font and its place in the font list,
// the code table, the last hovered cell, the map's size step, and the custom map files.
class FontMapState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapState)

public:
    explicit FontMapState(QObject *parent = nullptr) : QObject(parent) {}

    // The face last chosen (or read from the settings), installed or not.
    const QString &TBFontName() const { return m_fontName; }
    void setTBFontName(const QString &name) { m_fontName = name; }
    // 1-based position of the current font in the font list.
    int FontIndex() const { return m_fontIndex; }
    void setFontIndex(int index) { m_fontIndex = index; }
    // The codes and keystrokes of the 224 cells, which the cells' parts fill in place.
    CodeTable &codeTable() { return m_codeTable; }
    const CodeTable &codeTable() const { return m_codeTable; }
    int LastHoverIndex() const { return m_lastHoverIndex; }
    void setLastHoverIndex(int index) { m_lastHoverIndex = index; }

    int SizeIndex() const { return m_sizeIndex; }
    void setSizeIndex(int index) { m_sizeIndex = index; }
    int MaxSizeIndex() const { return m_maxSizeIndex; }
    void setMaxSizeIndex(int index) { m_maxSizeIndex = index; }
    // The map is changing its size step, and the window with it.
    bool FMResizing() const { return m_resizing; }
    void setFMResizing(bool resizing) { m_resizing = resizing; }

    const QString &CFMOpenPath() const { return m_openPath; }
    void setCFMOpenPath(const QString &path) { m_openPath = path; }
    const QString &CFMOpenName() const { return m_openName; }
    void setCFMOpenName(const QString &name) { m_openName = name; }
    const QString &CFMLoadFolder() const { return m_loadFolder; }
    void setCFMLoadFolder(const QString &folder) { m_loadFolder = folder; }
    const QString &CFMSaveFolder() const { return m_saveFolder; }
    void setCFMSaveFolder(const QString &folder) { m_saveFolder = folder; }

private:
    QString m_fontName;
    int m_fontIndex = 0;
    CodeTable m_codeTable;
    int m_lastHoverIndex = 0;
    int m_sizeIndex = 1;
    int m_maxSizeIndex = 1;
    bool m_resizing = false;
    QString m_openPath, m_openName;
    QString m_loadFolder, m_saveFolder;
};

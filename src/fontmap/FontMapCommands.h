#pragma once

#include "fontmap/rules/Charset.h"

#include <QFont>
#include <QObject>
#include <QPoint>

class FontMapColors;
class ViewSettings;
struct FontMapControls;
class FontMapState;

// The FontMap at work: its captions and code table, hover and click, and the font and
// character set it shows, which follow the TextBoard's.
class FontMapCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapCommands)

public:
    FontMapCommands(FontMapControls &controls, FontMapState &state, FontMapColors &colors, ViewSettings &views,
                    QObject *parent = nullptr);

    // Standard captions (codes 32..255 in the current font's charset) and code table.
    void SetupFMapCodes();
    void CharButton_MouseMove(int index);
    void CharButton_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPos);

    // The cells' font (never styled) and its charset.
    void setMapFont(const QFont &plain, FontCharset charset);
    // The Zoom view shows the TextBoard's font, styles included, at its own size.
    void followBoardFont(const QFont &board);
    // Every character shown keeps its 8-bit code when the font changes between an ordinary
    // and a symbol font: the captions, the keystroke labels and the views.
    void followCharset(FontCharset from, FontCharset to);

Q_SIGNALS:
    // A left click on a cell: its character is to be typed.
    void characterClicked(const QString &character);
    // A right click: the FontMap's format menu is to open there.
    void contextMenuRequested(const QPoint &globalPos);

private:
    FontMapControls &m_c;
    FontMapState &m_s;
    FontMapColors &m_colors;
    ViewSettings &m_views;
};

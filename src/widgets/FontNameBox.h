#pragma once

#include "fontmap/rules/FontListEntry.h"

#include <QObject>

#include <functional>

class QComboBox;

// The font boxes of the main window and the keyboard viewer: the face names of the font list,
// each with its "TT" or "SF" picture, and the initial-letter jump.
namespace FontNameBox {

// An item's picture key ("TT" or "SF").
inline constexpr int kImageKeyRole = Qt::UserRole + 1;

// Replaces the box's items with one per entry, in the entries' order.
void fill(QComboBox *box, const FontListEntries &entries);

// The item (from 0) among the first `count` that a typed letter jumps to; -1 for none.
int initialLetterItem(const QComboBox *box, int count, int keyAscii);

} // namespace FontNameBox

// Hands every character typed into a font box to a handler, as a classic key-press event
// reports it (Tab moves on untouched). A printable character is the handler's alone, so the
// box's own type-ahead search never moves the selection; Enter and Esc still reach the box.
class FontNameKeyPress final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontNameKeyPress)

public:
    using Handler = std::function<void(int keyAscii)>;
    FontNameKeyPress(QComboBox *box, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_box;
    Handler m_handler;
};

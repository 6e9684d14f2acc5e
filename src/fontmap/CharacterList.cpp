#include "fontmap/CharacterList.h"

#include <QFontMetrics>

#include <algorithm>

CharacterList::CharacterList(QWidget *parent)
    : QListWidget(parent)
{
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setUniformItemSizes(true);
    // The strip beside the last column shows the list's own background.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CharacterList::setColumns(int columns)
{
    const int width = contentsRect().width();
    const int column = std::max(1, width / std::max(1, columns));
    setViewportMargins(0, 0, std::max(0, width - column * columns), 0);
    setGridSize(QSize(column, QFontMetrics(font()).height() + 2));
}

#pragma once

#include <QListWidget>

// The map editor's list of characters: items run down each column and on into the next, and
// the list shows a whole number of columns across its width. Each column is as wide as the
// width allows; what is left over, less than a column, stays an empty strip at the right
// instead of showing a slice of the next column.
class CharacterList final : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterList)

public:
    explicit CharacterList(QWidget *parent = nullptr);

    // Lays the list out in that many columns; again after its font changes.
    void setColumns(int columns);
};

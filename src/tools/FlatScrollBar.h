#pragma once

#include <QScrollBar>
#include <QStyle>

// A scroll bar whose two arrow buttons can be disabled one at a time: Arrows 0 enables both,
// 1 only the up (or left) arrow, 2 only the down (or right) arrow. A disabled arrow is drawn
// dimmed and ignores the mouse.
class FlatScrollBar final : public QScrollBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlatScrollBar)

public:
    explicit FlatScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int arrows() const { return m_arrows; }
    void setArrows(int arrows);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool isArrowDisabled(QStyle::SubControl arrow) const;

    int m_arrows = 0;
};

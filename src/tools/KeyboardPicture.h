#pragma once

#include "tools/CharacterCell.h"
#include "tools/rules/KeyboardLayout.h"

#include <QFont>
#include <QWidget>

#include <array>

// The keyboard viewer's keyboard `picKeyboard`: a US keyboard drawn as vector shapes, with the
// 47 key labels `lblFontChar(0..46)` over its character keys, the two Shift keys `lblLShift`
// and `lblRShift`, and their pressed pictures `picLShiftPressed` and `picRShiftPressed`, shown
// while the shifted layout is. The labels draw their characters in the label font.
class KeyboardPicture final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardPicture)

public:
    // What a click lands on: a key label, a Shift key or its pressed picture, or the picture.
    enum class Part { Picture, KeyLabel, LeftShift, RightShift, LeftShiftPressed, RightShiftPressed };
    Q_ENUM(Part)

    explicit KeyboardPicture(QWidget *parent = nullptr);

    const QString &caption(int key) const { return m_labels.caption(key); }
    void setCaptions(const std::array<QString, KeyboardLayout::kKeys> &captions);
    const QFont &labelFont() const { return m_labels.font(); }
    void setLabelFont(const QFont &font);

    // The pressed Shift pictures are shown.
    bool isShifted() const { return m_shifted; }
    void setShifted(bool shifted);

    // Tooltips of the Shift keys and of their pressed pictures; empty texts show none.
    void setShiftToolTips(const QString &shift, const QString &pressed);

    // Hit test, tooltip and geometry in widget coordinates.
    Part partAt(const QPoint &pos) const;
    QString toolTipAt(const QPoint &pos) const;
    QRect keyLabelRect(int key) const;
    QRect shiftRect(bool right) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked(KeyboardPicture::Part part);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintCase(QPainter &painter) const;
    // Returns the cap's top face as drawn.
    QRectF paintKey(QPainter &painter, const QRectF &key, bool pressed) const;
    void paintLegend(QPainter &painter, const QRectF &face, const QString &legend, Qt::Alignment align) const;

    CharacterLabels<KeyboardLayout::kKeys> m_labels;
    bool m_shifted = false;
    QString m_shiftTip;
    QString m_pressedTip;
    Part m_pressedOn = Part::Picture;
    bool m_pressing = false;
};

#pragma once

#include "tools/CharacterCell.h"
#include "tools/rules/KeyboardLayout.h"

#include <QFont>
#include <QWidget>

#include <array>

class QLabel;

// The keyboard viewer's panel `picSplChar`: under its heading, the labels `lblSplChar(1..129)`
// with the characters of codes 127 to 255 in the label font, each with the keystroke that
// types it as its tooltip.
class ExtendedCharPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExtendedCharPanel)

public:
    static constexpr int kColumns = 19;

    explicit ExtendedCharPanel(QWidget *parent = nullptr);

    // Places 1 to 129, as the labels are numbered.
    const QString &caption(int i) const { return m_labels.caption(i - 1); }
    void setCaptions(const std::array<QString, KeyboardLayout::kSpecialCodes> &captions);
    const QFont &labelFont() const { return m_labels.font(); }
    void setLabelFont(const QFont &font);
    void setToolTipsShown(bool on);

    QRect cellRect(int i) const;
    // The place under the point, 0 for none.
    int cellAt(const QPoint &pos) const;
    // The keystroke of the place under the point while tooltips are on.
    QString toolTipAt(const QPoint &pos) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_heading = nullptr;
    CharacterLabels<KeyboardLayout::kSpecialCodes> m_labels;
    bool m_toolTips = true;
};

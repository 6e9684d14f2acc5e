#include "tools/ExtendedCharPanel.h"

#include "tools/CharacterCell.h"
#include "tools/ExtendedCharPanelAccessible.h"
#include "widgets/PartToolTip.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 22;
constexpr int kRows = (KeyboardLayout::kSpecialCodes + ExtendedCharPanel::kColumns - 1) / ExtendedCharPanel::kColumns;

} // namespace

ExtendedCharPanel::ExtendedCharPanel(QWidget *parent)
    : QWidget(parent)
{
    // Before anything can ask for this widget's interface, which Qt then keeps.
    ExtendedCharPanelAccessible::install();
    setObjectName(QStringLiteral("picSplChar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_heading = new QLabel(QStringLiteral("Special Characters:"), this);
    m_heading->setObjectName(QStringLiteral("lblSplCharHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->move(kMargin, 2);
    m_heading->resize(300, kHeadingHeight - 2);
    setAccessibleName(m_heading->text());
}

void ExtendedCharPanel::setCaptions(const std::array<QString, KeyboardLayout::kSpecialCodes> &captions)
{
    if (!m_labels.setCaptions(captions))
        return;
    update();
    for (int cell = 0; cell < KeyboardLayout::kSpecialCodes; ++cell)
        CellTableAccessible::cellChanged(this, cell);
}

void ExtendedCharPanel::setLabelFont(const QFont &font)
{
    m_labels.setFont(font);
    update();
}

void ExtendedCharPanel::setToolTipsShown(bool on)
{
    m_toolTips = on;
}

QRect ExtendedCharPanel::cellRect(int i) const
{
    Q_ASSERT(i >= 1 && i <= KeyboardLayout::kSpecialCodes);
    // Whole pixels for every cell alike, so that equal characters look alike in every cell.
    const int w = (width() - 2 * kMargin) / kColumns;
    const int h = (height() - kHeadingHeight - kMargin) / kRows;
    const int left = (width() - w * kColumns) / 2;
    return QRect(left + (i - 1) % kColumns * w, kHeadingHeight + (i - 1) / kColumns * h, w, h);
}

int ExtendedCharPanel::cellAt(const QPoint &pos) const
{
    for (int i = 1; i <= KeyboardLayout::kSpecialCodes; ++i) {
        if (cellRect(i).contains(pos))
            return i;
    }
    return 0;
}

QString ExtendedCharPanel::toolTipAt(const QPoint &pos) const
{
    const int i = m_toolTips ? cellAt(pos) : 0;
    return i == 0 ? QString() : KeyboardLayout::specialKeystroke(i);
}

bool ExtendedCharPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        showPartToolTip(this, help, toolTipAt(help->pos()), cellRect(cellAt(help->pos())));
        return true;
    }
    return QWidget::event(event);
}

void ExtendedCharPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QColor grid = palette().color(QPalette::Mid);
    const QColor ink = palette().color(QPalette::Text);
    for (int i = 1; i <= KeyboardLayout::kSpecialCodes; ++i) {
        const QRect r = cellRect(i);
        if (!event->region().intersects(r))
            continue;
        painter.setPen(grid);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(ink);
        drawCharacterCell(painter, r.adjusted(1, 1, -1, -1), m_labels.font(), m_labels.caption(i - 1));
    }
}

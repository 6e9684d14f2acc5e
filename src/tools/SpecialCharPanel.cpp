#include "tools/SpecialCharPanel.h"

#include "tools/CharacterCell.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 22;
constexpr int kRows = (KeyboardLayout::kSpecialCodes + SpecialCharPanel::kColumns - 1) / SpecialCharPanel::kColumns;

} // namespace

SpecialCharPanel::SpecialCharPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picSplChar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_heading = new QLabel(QStringLiteral("Special Characters:"), this);
    m_heading->setObjectName(QStringLiteral("lblSplCharHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->move(kMargin, 2);
    m_heading->resize(300, kHeadingHeight - 2);
    m_font.setStyleStrategy(QFont::NoFontMerging);
}

void SpecialCharPanel::setCaptions(const std::array<QString, KeyboardLayout::kSpecialCodes> &captions)
{
    if (captions == m_captions)
        return;
    m_captions = captions;
    update();
}

void SpecialCharPanel::setLabelFont(const QFont &font)
{
    m_font = font;
    m_font.setStyleStrategy(QFont::NoFontMerging);
    update();
}

void SpecialCharPanel::setToolTipsShown(bool on)
{
    m_toolTips = on;
}

QRect SpecialCharPanel::cellRect(int i) const
{
    Q_ASSERT(i >= 1 && i <= KeyboardLayout::kSpecialCodes);
    const double w = double(width() - 2 * kMargin) / kColumns;
    const double h = double(height() - kHeadingHeight - kMargin) / kRows;
    const int column = (i - 1) % kColumns;
    const int row = (i - 1) / kColumns;
    const int x = kMargin + int(column * w);
    const int y = kHeadingHeight + int(row * h);
    return QRect(x, y, kMargin + int((column + 1) * w) - x, kHeadingHeight + int((row + 1) * h) - y);
}

int SpecialCharPanel::cellAt(const QPoint &pos) const
{
    for (int i = 1; i <= KeyboardLayout::kSpecialCodes; ++i) {
        if (cellRect(i).contains(pos))
            return i;
    }
    return 0;
}

bool SpecialCharPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int i = m_toolTips ? cellAt(help->pos()) : 0;
        if (i == 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), KeyboardLayout::specialKeystroke(i), this, cellRect(i));
        }
        return true;
    }
    return QWidget::event(event);
}

void SpecialCharPanel::paintEvent(QPaintEvent *event)
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
        drawCharacterCell(painter, r.adjusted(1, 1, -1, -1), m_font, m_captions.at(i - 1));
    }
}

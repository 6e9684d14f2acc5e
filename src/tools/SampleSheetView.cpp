#include "tools/SampleSheetView.h"

#include "widgets/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QRectF toQt(const QRectF &twips)
{
    const double k = Twips::kPerQtUnit;
    return QRectF(twips.left() / k, twips.top() / k, twips.width() / k, twips.height() / k);
}

} // namespace

SampleSheetView::SampleSheetView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SamplePlate"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

const SampleSheetView::Label *SampleSheetView::label(const QString &name) const
{
    for (const Label &l : m_labels) {
        if (l.name == name)
            return &l;
    }
    return nullptr;
}

void SampleSheetView::setLabels(QList<Label> labels)
{
    m_labels = std::move(labels);
    for (Label &l : m_labels)
        l.font.setStyleStrategy(QFont::NoFontMerging);
    update();
}

void SampleSheetView::setDivider(double y, double x2)
{
    m_dividerY = y;
    m_dividerX2 = x2;
    update();
}

void SampleSheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    for (const Label &l : m_labels) {
        const QRectF r = toQt(l.twips);
        if (!event->region().boundingRect().intersects(r.toAlignedRect()))
            continue;
        painter.setFont(l.font);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, l.text);
    }
    const double y = m_dividerY / Twips::kPerQtUnit;
    painter.drawLine(QPointF(0, y), QPointF(m_dividerX2 / Twips::kPerQtUnit, y));
}

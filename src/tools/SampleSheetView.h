#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QWidget>

// The font browser's sample sheet `SamplePlate`: labels placed in twips, each drawing its text
// in its own font as plain text, and the divider `DivLine` across the sheet.
class SampleSheetView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleSheetView)

public:
    struct Label
    {
        QString name;   // the label's name, for finding it
        QString text;
        QFont font;
        QRectF twips;
    };

    explicit SampleSheetView(QWidget *parent = nullptr);

    const QList<Label> &labels() const { return m_labels; }
    const Label *label(const QString &name) const;
    void setLabels(QList<Label> labels);

    // The divider from the sheet's left edge to x2, at height y (twips).
    double dividerY() const { return m_dividerY; }
    double dividerX2() const { return m_dividerX2; }
    void setDivider(double y, double x2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Label> m_labels;
    double m_dividerY = 0;
    double m_dividerX2 = 0;
};

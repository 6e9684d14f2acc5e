#pragma once

#include <QFrame>
#include <QList>

// A bar of bands laid side by side, each band holding one control. Band widths are
// kept in twips (they are saved and restored); bands are numbered from 1.
class CoolBar final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CoolBar)

public:
    explicit CoolBar(const QString &name, QWidget *parent = nullptr);

    int addBand(QWidget *child, double widthTwips);
    int bandCount() const { return int(m_bands.size()); }

    double bandWidth(int band) const { return m_bands[band - 1].width; }
    void setBandWidth(int band, double widthTwips);
    bool isBandVisible(int band) const { return m_bands[band - 1].visible; }
    void setBandVisible(int band, bool visible);
    // The one band property the height-change handlers switch off.
    void setBandNewRow(int band, bool newRow) { m_bands[band - 1].newRow = newRow; }

Q_SIGNALS:
    void heightChanged(double newHeight);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Band
    {
        QWidget *child = nullptr;
        double width = 0;
        bool visible = true;
        bool newRow = false;
    };

    void layoutBands();

    QList<Band> m_bands;
};

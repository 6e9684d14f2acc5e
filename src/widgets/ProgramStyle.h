#pragma once

#include <QProxyStyle>

// The program's one style: Fusion on every desktop, with classic toolbars: no frame, no
// gaps and no margins, and buttons 23 pixels wide and 22 high for a 16-pixel picture (a
// drop-down adds its arrow), so the bands' designed widths hold their buttons. One style
// for the whole application costs nearly nothing at start-up, where a style sheet on each
// toolbar made every widget under it go through style sheet rules.
class ProgramStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramStyle)

public:
    ProgramStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget) const override;
    // Every toolbar and the menu bar ask for the picture of their button for more items when
    // they are made; the base style reads it from an image file, which loads every image
    // format plugin at start-up. Ours is drawn when first shown.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

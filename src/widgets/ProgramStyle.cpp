#include "widgets/ProgramStyle.h"

#include "widgets/Pictures.h"

#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

namespace {

// Around a toolbar button's picture (and its drop-down arrow).
constexpr int kButtonExtraWidth = 7;
constexpr int kButtonExtraHeight = 6;

bool inToolBar(const QWidget *widget)
{
    return widget && qobject_cast<const QToolBar *>(widget->parentWidget());
}

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (qobject_cast<const QToolBar *>(widget)) {
        switch (metric) {
        case PM_ToolBarFrameWidth:
        case PM_ToolBarItemMargin:
        case PM_ToolBarItemSpacing:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                     const QWidget *widget) const
{
    if (type == CT_ToolButton && inToolBar(widget))
        return contentsSize + QSize(kButtonExtraWidth, kButtonExtraHeight);
    return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return Pictures::moreButtons(Qt::Horizontal);
    case SP_ToolBarVerticalExtensionButton:
        return Pictures::moreButtons(Qt::Vertical);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

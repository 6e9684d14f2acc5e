#include "widgets/ColorResolve.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

// Which palette entry stands in for each system colour index of a classic desktop.
QColor systemPaletteColor(int index, const QPalette &p)
{
    switch (index) {
    case 0: return p.color(QPalette::Button);                 // scroll bar
    case 1: return p.color(QPalette::Dark);                   // desktop
    case 2: return p.color(QPalette::Active, QPalette::Highlight);   // active caption
    case 3: return p.color(QPalette::Inactive, QPalette::Highlight); // inactive caption
    case 4: return p.color(QPalette::Window);                 // menu bar
    case 5: return p.color(QPalette::Base);                   // window background
    case 6: return p.color(QPalette::Shadow);                 // window frame
    case 7: return p.color(QPalette::WindowText);             // menu text
    case 8: return p.color(QPalette::Text);                   // window text
    case 9: return p.color(QPalette::HighlightedText);        // caption text
    case 10: return p.color(QPalette::Window);                // active border
    case 11: return p.color(QPalette::Window);                // inactive border
    case 12: return p.color(QPalette::Mid);                   // application workspace
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);                // button face
    case 16: return p.color(QPalette::Dark);                  // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return p.color(QPalette::Light);                 // button highlight
    case 21: return p.color(QPalette::Shadow);                // 3-D dark shadow
    case 22: return p.color(QPalette::Midlight);              // 3-D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Base);
    }
}

} // namespace

QColor resolveColor(ColorValue value, const QPalette &palette)
{
    if (isSystemColor(value))
        return systemPaletteColor(int(value & 0xFF), palette);
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

QColor resolveColor(ColorValue value)
{
    return resolveColor(value, QApplication::palette());
}

ColorValue colorValueOf(const QColor &color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

namespace {

constexpr char kFore[] = "ForeColor";
constexpr char kBack[] = "BackColor";

// Shows the widget's fore and back colour values through its palette, resolving system
// colours against the desktop's palette as it is now.
void showColors(QWidget *widget)
{
    const QPalette desktop = QApplication::palette();
    QPalette p = widget->palette();
    const QVariant fore = widget->property(kFore);
    if (fore.isValid()) {
        const QColor c = resolveColor(fore.value<ColorValue>(), desktop);
        // A text box's fore colour is its text's; the scroll bars beside the text draw their
        // arrows in the window text colour, and keep the desktop's.
        if (!qobject_cast<QAbstractScrollArea *>(widget))
            p.setColor(QPalette::WindowText, c);
        p.setColor(QPalette::Text, c);
    }
    const QVariant back = widget->property(kBack);
    if (back.isValid()) {
        const QColor c = resolveColor(back.value<ColorValue>(), desktop);
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Base, c);
    }
    if (p != widget->palette() || p.resolveMask() != widget->palette().resolveMask())
        widget->setPalette(p);
}

// A widget's palette keeps the colours it was given, so a change of the desktop's palette
// would leave a resolved system colour behind. The application hears of every such change;
// each widget that shows a colour value then resolves it again.
class SystemColorFollower final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            const QWidgetList widgets = QApplication::allWidgets();
            for (QWidget *widget : widgets) {
                if (widget->property(kFore).isValid() || widget->property(kBack).isValid())
                    showColors(widget);
            }
        }
        return false;
    }
};

void setColorProperty(QWidget *widget, const char *property, ColorValue color)
{
    widget->setProperty(property, color);
    static const QString followerName = QStringLiteral("quorvilSystemColorFollower");
    if (!qApp->findChild<QObject *>(followerName, Qt::FindDirectChildrenOnly)) {
        auto *follower = new SystemColorFollower(qApp);
        follower->setObjectName(followerName);
        qApp->installEventFilter(follower);
    }
    showColors(widget);
}

} // namespace

void setForeColor(QWidget *widget, ColorValue color)
{
    setColorProperty(widget, kFore, color);
}

void setBackColor(QWidget *widget, ColorValue color)
{
    setColorProperty(widget, kBack, color);
}

ColorValue foreColor(const QWidget *widget)
{
    const QVariant v = widget->property(kFore);
    return v.isValid() ? v.value<ColorValue>() : kWindowText;
}

ColorValue backColor(const QWidget *widget)
{
    const QVariant v = widget->property(kBack);
    return v.isValid() ? v.value<ColorValue>() : kWindowBackground;
}

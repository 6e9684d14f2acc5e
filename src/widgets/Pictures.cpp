#include "widgets/Pictures.h"

#include "widgets/ColorResolve.h"
#include "app/rules/QBColors.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <functional>

namespace {

using Painter = std::function<void(QPainter &, const QRectF &)>;

// Paints a picture at whatever size and scale Qt asks for, once for each size (in device
// pixels, so once for each scale too) and state; every later showing of it, in any button
// or menu, takes the cached pixmap.
class DrawnIcon final : public QIconEngine
{
public:
    DrawnIcon(QString name, Painter painter) : m_name(std::move(name)), m_painter(std::move(painter)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pm = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
        pm.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), pm);
    }
    QIconEngine *clone() const override { return new DrawnIcon(m_name, m_painter); }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString key = QStringLiteral("quorvil-picture:%1:%2x%3:%4:%5")
                                .arg(m_name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(int(state));
        QPixmap pm;
        if (QPixmapCache::find(key, &pm))
            return pm;
        pm = QPixmap(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            p.setOpacity(0.35);
        m_painter(p, QRectF(QRect(QPoint(0, 0), size)).adjusted(1, 1, -1, -1));
        p.end();
        QPixmapCache::insert(key, pm);
        return pm;
    }

private:
    QString m_name;
    Painter m_painter;
};

QIcon drawn(const QString &name, Painter painter)
{
    return QIcon(new DrawnIcon(name, std::move(painter)));
}

// A letter or short symbol on a tinted page: the style of most pictures.
Painter glyph(const QString &text, QColor ink, QFont::Weight weight = QFont::Bold, bool italic = false,
              bool underline = false, bool strike = false)
{
    return [=](QPainter &p, const QRectF &r) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(int(r.height() * (text.size() > 1 ? 0.62 : 0.85)));
        f.setWeight(weight);
        f.setItalic(italic);
        f.setUnderline(underline);
        f.setStrikeOut(strike);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(r, Qt::AlignCenter, text);
    };
}

Painter page(QColor ink, const QString &mark)
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF sheet = r.adjusted(r.width() * 0.15, 0, -r.width() * 0.15, 0);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(sheet);
        glyph(mark, ink)(p, sheet);
    };
}

Painter lines(Qt::Alignment align)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(40, 40, 40), std::max(1.0, r.height() / 10)));
        for (int i = 0; i < 4; ++i) {
            const double y = r.top() + r.height() * (0.2 + 0.2 * i);
            const double w = r.width() * ((i % 2) ? 0.6 : 0.9);
            double x = r.left();
            if (align == Qt::AlignRight)
                x = r.right() - w;
            else if (align == Qt::AlignHCenter)
                x = r.center().x() - w / 2;
            p.drawLine(QPointF(x, y), QPointF(x + w, y));
        }
    };
}

Painter grid(bool highlight)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        const double s = r.width() / 3;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const QRectF c(r.left() + i * s, r.top() + j * s, s, s);
                p.setBrush(highlight && i == 1 && j == 1 ? QColor(30, 60, 160) : QColor(Qt::white));
                p.drawRect(c);
            }
        }
    };
}

Painter arrow(bool right)
{
    return [=](QPainter &p, const QRectF &r) {
        QPainterPath path;
        const double cy = r.center().y();
        if (right) {
            path.moveTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.2);
            path.lineTo(r.right() - r.width() * 0.15, cy);
            path.lineTo(r.left() + r.width() * 0.2, r.bottom() - r.height() * 0.2);
        } else {
            path.moveTo(r.right() - r.width() * 0.2, r.top() + r.height() * 0.2);
            path.lineTo(r.left() + r.width() * 0.15, cy);
            path.lineTo(r.right() - r.width() * 0.2, r.bottom() - r.height() * 0.2);
        }
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 170));
        p.drawPath(path);
    };
}

Painter swatch(QColor color)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.setBrush(color);
        p.drawRect(r.adjusted(1, 1, -1, -1));
    };
}

Painter twoSheets(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        const double w = r.width() * 0.6, h = r.height() * 0.7;
        p.drawRect(QRectF(r.left(), r.top(), w, h));
        p.drawRect(QRectF(r.right() - w, r.bottom() - h, w, h));
    };
}

Painter clipboard(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(210, 170, 110));
        p.drawRect(r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, 0));
        p.setBrush(Qt::white);
        p.setPen(QPen(ink, 1));
        p.drawRect(r.adjusted(r.width() * 0.3, r.height() * 0.35, 0, 0));
    };
}

Painter printer()
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::white);
        p.drawRect(r.adjusted(r.width() * 0.25, 0, -r.width() * 0.25, -r.height() * 0.5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(r.adjusted(0, r.height() * 0.4, 0, -r.height() * 0.15));
    };
}

Painter magnifier()
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(40, 40, 40), std::max(1.5, r.width() / 8)));
        p.setBrush(Qt::NoBrush);
        const QRectF lens(r.left(), r.top(), r.width() * 0.65, r.height() * 0.65);
        p.drawEllipse(lens);
        p.drawLine(lens.bottomRight() - QPointF(lens.width() * 0.15, lens.height() * 0.15), r.bottomRight());
    };
}

Painter fullScreen()
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(200, 220, 245));
        p.drawRect(r);
        p.setPen(QPen(QColor(30, 70, 160), std::max(1.0, r.width() / 10)));
        const double k = r.width() * 0.3;
        for (const QPointF &c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double dx = c.x() < r.center().x() ? k : -k;
            const double dy = c.y() < r.center().y() ? k : -k;
            const QPointF in(c.x() + dx * 0.4, c.y() + dy * 0.4);
            p.drawLine(in, in + QPointF(dx * 0.6, 0));
            p.drawLine(in, in + QPointF(0, dy * 0.6));
        }
    };
}

const QHash<QString, Painter> &painters()
{
    static const QHash<QString, Painter> table = [] {
        const QColor blue(30, 70, 160), red(170, 30, 30), green(20, 120, 40), dark(40, 40, 40);
        QHash<QString, Painter> t;
        t.insert(QStringLiteral("Load"), page(blue, QStringLiteral("\u2191")));
        t.insert(QStringLiteral("Save"), page(green, QStringLiteral("\u2193")));
        t.insert(QStringLiteral("Opt"), glyph(QStringLiteral("\u2699"), dark, QFont::Normal));
        t.insert(QStringLiteral("KB"), glyph(QStringLiteral("\u2328"), dark, QFont::Normal));
        t.insert(QStringLiteral("FB"), glyph(QStringLiteral("Aa"), blue));
        t.insert(QStringLiteral("TT"), glyph(QStringLiteral("TT"), blue));
        t.insert(QStringLiteral("SF"), glyph(QStringLiteral("SF"), red));
        t.insert(QStringLiteral("TBClear"), page(red, QStringLiteral("\u00d7")));
        t.insert(QStringLiteral("TBCopy"), twoSheets(blue));
        t.insert(QStringLiteral("TBCut"), page(red, QStringLiteral("\u2702")));
        t.insert(QStringLiteral("TBPrint"), printer());
        t.insert(QStringLiteral("FullScr"), fullScreen());
        t.insert(QStringLiteral("Cut"), glyph(QStringLiteral("\u2702"), red, QFont::Normal));
        t.insert(QStringLiteral("Copy"), twoSheets(dark));
        t.insert(QStringLiteral("Paste"), clipboard(dark));
        t.insert(QStringLiteral("Find"), magnifier());
        t.insert(QStringLiteral("Bold"), glyph(QStringLiteral("B"), dark));
        t.insert(QStringLiteral("Italic"), glyph(QStringLiteral("I"), dark, QFont::Bold, true));
        t.insert(QStringLiteral("Underline"), glyph(QStringLiteral("U"), dark, QFont::Bold, false, true));
        t.insert(QStringLiteral("Strikethrough"), glyph(QStringLiteral("S"), dark, QFont::Bold, false, false, true));
        t.insert(QStringLiteral("Left"), lines(Qt::AlignLeft));
        t.insert(QStringLiteral("Center"), lines(Qt::AlignHCenter));
        t.insert(QStringLiteral("Right"), lines(Qt::AlignRight));
        t.insert(QStringLiteral("Zoom"), glyph(QStringLiteral("Z"), blue));
        t.insert(QStringLiteral("Code"), glyph(QStringLiteral("#"), blue));
        t.insert(QStringLiteral("KS"), glyph(QStringLiteral("K"), blue));
        t.insert(QStringLiteral("VCRight"), arrow(true));
        t.insert(QStringLiteral("VCLeft"), arrow(false));
        t.insert(QStringLiteral("CFMapNew"), page(green, QStringLiteral("+")));
        t.insert(QStringLiteral("CFMapLoad"), page(blue, QStringLiteral("\u2191")));
        t.insert(QStringLiteral("CFMapEdit"), page(dark, QStringLiteral("\u270e")));
        t.insert(QStringLiteral("CFMapUnld"), page(red, QStringLiteral("\u00d7")));
        t.insert(QStringLiteral("FMap+"), glyph(QStringLiteral("+"), green));
        t.insert(QStringLiteral("FMap-"), glyph(QStringLiteral("\u2212"), red));
        t.insert(QStringLiteral("RAFMap"), glyph(QStringLiteral("\u21f2"), dark, QFont::Normal));
        t.insert(QStringLiteral("FMapFC"), glyph(QStringLiteral("A"), red));
        t.insert(QStringLiteral("FMapBC"), swatch(QColor(250, 230, 140)));
        t.insert(QStringLiteral("FMapH"), grid(true));
        t.insert(QStringLiteral("FMapG"), grid(false));
        return t;
    }();
    return table;
}

} // namespace

namespace Pictures {

QIcon icon(const QString &imageList, const QString &imageKey)
{
    bool numeric = false;
    const int number = imageKey.toInt(&numeric);
    if (numeric && imageList == QLatin1String("imlFontFormatTB"))
        return colorSwatch(number - 1);
    if (const auto it = painters().constFind(imageKey); it != painters().cend())
        return drawn(imageKey, *it);
    return drawn(QStringLiteral("letters:") + imageKey.left(2), glyph(imageKey.left(2), QColor(40, 40, 40)));
}

QIcon colorSwatch(int index)
{
    const QColor color = resolveColor(QBColor(index));
    return drawn(QStringLiteral("swatch:") + color.name(), swatch(color));
}

QIcon menuPicture(int index)
{
    static const char *const keys[] = {"Load", "CFMapLoad", "Cut", "Copy", "Paste", "Find", "Bold", "FMapG",
                                       "TBCopy", "TBCut", "FullScr", "TBPrint", "TBClear", "FB", "KB", "Opt",
                                       "Find", "Load", "Save", "FB", "Copy", "Opt"};
    if (index < 1 || index > 22)
        return {};
    return icon(QString(), QString::fromLatin1(keys[index - 1]));
}

} // namespace Pictures

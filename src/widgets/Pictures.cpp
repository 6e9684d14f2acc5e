#include "widgets/Pictures.h"

#include "widgets/ColorResolve.h"
#include "app/rules/QBColors.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <functional>
#include <numbers>

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

// A point of `r` given as fractions of its width and height.
QPointF at(const QRectF &r, double x, double y)
{
    return {r.left() + r.width() * x, r.top() + r.height() * y};
}

// A line width that grows with the picture, so lines stay visible at every scale.
double strokeWidth(const QRectF &r)
{
    return std::max(1.0, r.width() / 14);
}

// A sheet of paper with `mark` drawn on it.
Painter sheet(Painter mark)
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF paper = r.adjusted(r.width() * 0.15, 0, -r.width() * 0.15, 0);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(paper);
        mark(p, paper);
    };
}

Painter page(QColor ink, const QString &mark)
{
    return sheet(glyph(mark, ink));
}

// Lines of text on a sheet with a folded corner.
Painter textFile(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        QPainterPath paper;
        paper.moveTo(at(r, 0.15, 0));
        paper.lineTo(at(r, 0.62, 0));
        paper.lineTo(at(r, 0.85, 0.25));
        paper.lineTo(at(r, 0.85, 1));
        paper.lineTo(at(r, 0.15, 1));
        paper.closeSubpath();
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawPath(paper);
        p.drawPolyline(QPolygonF{at(r, 0.62, 0), at(r, 0.62, 0.25), at(r, 0.85, 0.25)});
        p.setPen(QPen(ink, strokeWidth(r)));
        for (const double y : {0.42, 0.58, 0.74})
            p.drawLine(at(r, 0.27, y), at(r, 0.73, y));
        p.drawLine(at(r, 0.27, 0.26), at(r, 0.5, 0.26));
    };
}

// Two crossed blades with round handles.
Painter scissors(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(ink, strokeWidth(r) * 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const double d = r.width() * 0.3;
        p.drawEllipse(QRectF(at(r, 0.05, 0.66), QSizeF(d, d)));
        p.drawEllipse(QRectF(at(r, 0.65, 0.66), QSizeF(d, d)));
        p.drawLine(at(r, 0.3, 0.7), at(r, 0.8, 0.04));
        p.drawLine(at(r, 0.7, 0.7), at(r, 0.2, 0.04));
    };
}

Painter keyboard()
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF body(at(r, 0, 0.22), at(r, 1, 0.82));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(225, 228, 235));
        p.drawRoundedRect(body, r.width() * 0.08, r.width() * 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        const double key = r.width() * 0.11;
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 6; ++col)
                p.drawRect(QRectF(at(r, 0.1 + col * 0.14, 0.32 + row * 0.16), QSizeF(key, key)));
        }
        p.drawRect(QRectF(at(r, 0.24, 0.64), at(r, 0.76, 0.64 + 0.11)));
    };
}

// A cog wheel: the usual picture of settings.
Painter gear(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        constexpr int kTeeth = 8;
        const QPointF c = r.center();
        const double outer = r.width() * 0.5, inner = r.width() * 0.36;
        QPainterPath wheel;
        for (int i = 0; i < kTeeth * 4; ++i) {
            // Each tooth: two points out, two points in.
            const double angle = (i - 0.5) * std::numbers::pi / (kTeeth * 2);
            const double radius = (i % 4 < 2) ? outer : inner;
            const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
            if (i == 0)
                wheel.moveTo(point);
            else
                wheel.lineTo(point);
        }
        wheel.closeSubpath();
        wheel.addEllipse(c, r.width() * 0.14, r.width() * 0.14);
        wheel.setFillRule(Qt::OddEvenFill);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(wheel);
    };
}

// Two chevrons pointing right (or down): more buttons than the bar has room for.
Painter chevrons(Qt::Orientation orientation, QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(ink, strokeWidth(r) * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const double start : {0.22, 0.52}) {
            const double end = start + 0.24;
            if (orientation == Qt::Horizontal)
                p.drawPolyline(QPolygonF{at(r, start, 0.25), at(r, end, 0.5), at(r, start, 0.75)});
            else
                p.drawPolyline(QPolygonF{at(r, 0.25, start), at(r, 0.5, end), at(r, 0.75, start)});
        }
    };
}

// A grid of 3 x 3 cells; `filled` lists the cells (row * 3 + column) drawn in `fill`.
Painter cells(std::initializer_list<int> filled, QColor fill)
{
    const QList<int> marked(filled);
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        const double s = r.width() / 3;
        for (int i = 0; i < 9; ++i) {
            p.setBrush(marked.contains(i) ? fill : QColor(Qt::white));
            p.drawRect(QRectF(r.left() + (i % 3) * s, r.top() + (i / 3) * s, s, s));
        }
    };
}

// A letter over a coloured bar: the text's format.
Painter letterOnBar(QColor ink, QColor bar)
{
    return [=](QPainter &p, const QRectF &r) {
        glyph(QStringLiteral("A"), ink)(p, QRectF(at(r, 0, 0), at(r, 1, 0.8)));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRect(QRectF(at(r, 0.1, 0.82), at(r, 0.9, 1)));
    };
}

Painter openBook(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(QPen(ink, strokeWidth(r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{at(r, 0.5, 0.22), at(r, 0.02, 0.1), at(r, 0.02, 0.84), at(r, 0.5, 0.96)});
        p.drawPolygon(QPolygonF{at(r, 0.5, 0.22), at(r, 0.98, 0.1), at(r, 0.98, 0.84), at(r, 0.5, 0.96)});
        p.setPen(QPen(ink, std::max(1.0, r.width() / 20)));
        for (const double y : {0.36, 0.52, 0.68}) {
            p.drawLine(at(r, 0.12, y - 0.03), at(r, 0.4, y + 0.03));
            p.drawLine(at(r, 0.6, y + 0.03), at(r, 0.88, y - 0.03));
        }
    };
}

// Almost a full circle with an arrow head: fetching something anew.
Painter circularArrow(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF ring = r.adjusted(r.width() * 0.14, r.height() * 0.14, -r.width() * 0.14, -r.height() * 0.14);
        p.setPen(QPen(ink, strokeWidth(r) * 1.5, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(ring, 90 * 16, -290 * 16);
        // The head sits at the arc's start (the top), pointing along it.
        const QPointF top(ring.center().x(), ring.top());
        const double h = r.width() * 0.22;
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF{top + QPointF(-h * 0.9, 0), top + QPointF(0, -h * 0.8), top + QPointF(0, h * 0.8)});
    };
}

Painter globe(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF ball = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(ink, strokeWidth(r)));
        p.setBrush(QColor(215, 232, 250));
        p.drawEllipse(ball);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ball.adjusted(ball.width() * 0.28, 0, -ball.width() * 0.28, 0));
        p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
        p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    };
}

Painter envelope(QColor ink)
{
    return [=](QPainter &p, const QRectF &r) {
        const QRectF body(at(r, 0, 0.18), at(r, 1, 0.82));
        p.setPen(QPen(ink, strokeWidth(r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 250, 225));
        p.drawRect(body);
        p.drawPolyline(QPolygonF{body.topLeft(), at(r, 0.5, 0.56), body.topRight()});
    };
}

// A white letter on a filled disc.
Painter badge(QColor disc, const QString &letter)
{
    return [=](QPainter &p, const QRectF &r) {
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(r);
        glyph(letter, Qt::white)(p, r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2));
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
        t.insert(QStringLiteral("Opt"), gear(QColor(80, 86, 100)));
        t.insert(QStringLiteral("KB"), keyboard());
        t.insert(QStringLiteral("FB"), glyph(QStringLiteral("Aa"), blue));
        t.insert(QStringLiteral("TT"), glyph(QStringLiteral("TT"), blue));
        t.insert(QStringLiteral("SF"), glyph(QStringLiteral("SF"), red));
        t.insert(QStringLiteral("TBClear"), page(red, QStringLiteral("\u00d7")));
        t.insert(QStringLiteral("TBCopy"), twoSheets(blue));
        t.insert(QStringLiteral("TBCut"), sheet(scissors(red)));
        t.insert(QStringLiteral("TBPrint"), printer());
        t.insert(QStringLiteral("FullScr"), fullScreen());
        t.insert(QStringLiteral("Cut"), scissors(red));
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
        // Pictures of the menus only.
        t.insert(QStringLiteral("TextFile"), textFile(blue));
        t.insert(QStringLiteral("CustomMap"), cells({0, 4, 5, 7}, QColor(90, 130, 210)));
        t.insert(QStringLiteral("FormatTB"), letterOnBar(dark, red));
        t.insert(QStringLiteral("FormatFM"), cells({1, 3, 5, 7}, QColor(250, 230, 140)));
        t.insert(QStringLiteral("HelpContents"), openBook(blue));
        t.insert(QStringLiteral("Readme"), page(blue, QStringLiteral("i")));
        t.insert(QStringLiteral("CheckUpd"), circularArrow(green));
        t.insert(QStringLiteral("Visit"), globe(blue));
        t.insert(QStringLiteral("Feedback"), envelope(dark));
        t.insert(QStringLiteral("About"), badge(blue, QStringLiteral("i")));
        return t;
    }();
    return table;
}

// The desktop icon theme's names for the pictures of standard actions.
const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("Load"), QStringLiteral("document-open")},
        {QStringLiteral("Save"), QStringLiteral("document-save")},
        {QStringLiteral("Cut"), QStringLiteral("edit-cut")},
        {QStringLiteral("Copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("Paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("Find"), QStringLiteral("edit-find")},
        {QStringLiteral("TBPrint"), QStringLiteral("document-print")},
        {QStringLiteral("TBClear"), QStringLiteral("edit-clear")},
        {QStringLiteral("FullScr"), QStringLiteral("view-fullscreen")},
        {QStringLiteral("Bold"), QStringLiteral("format-text-bold")},
        {QStringLiteral("Italic"), QStringLiteral("format-text-italic")},
        {QStringLiteral("Underline"), QStringLiteral("format-text-underline")},
        {QStringLiteral("Strikethrough"), QStringLiteral("format-text-strikethrough")},
        {QStringLiteral("Left"), QStringLiteral("format-justify-left")},
        {QStringLiteral("Center"), QStringLiteral("format-justify-center")},
        {QStringLiteral("Right"), QStringLiteral("format-justify-right")},
        {QStringLiteral("FMap+"), QStringLiteral("zoom-in")},
        {QStringLiteral("FMap-"), QStringLiteral("zoom-out")},
        {QStringLiteral("HelpContents"), QStringLiteral("help-contents")},
        {QStringLiteral("Feedback"), QStringLiteral("mail-message-new")},
        {QStringLiteral("About"), QStringLiteral("help-about")},
    };
    return table;
}

bool hasDesktopTheme()
{
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

} // namespace

namespace Pictures {

QIcon icon(const QString &imageList, const QString &imageKey)
{
    bool numeric = false;
    const int number = imageKey.toInt(&numeric);
    // Image n of the format toolbar's list is the swatch of QB colour n - 1.
    if (numeric && imageList == QLatin1String("imlFontFormatTB"))
        return colorSwatch(number >= 1 ? number - 1 : -1);
    const auto it = painters().constFind(imageKey);
    const QIcon own = it != painters().cend()
        ? drawn(imageKey, *it)
        : drawn(QStringLiteral("letters:") + imageKey.left(2), glyph(imageKey.left(2), QColor(40, 40, 40)));
    // A standard action looks as it does in every other program of the desktop. Where the
    // desktop names no icon theme, Qt falls back to hicolor, the base that every theme
    // inherits and that holds applications' own icons rather than the pictures of actions:
    // asking it would cost the parse of its long index at every start and find nothing.
    const auto name = themeNames().constFind(imageKey);
    if (name == themeNames().cend() || !hasDesktopTheme())
        return own;
    return QIcon::fromTheme(*name, own);
}

QIcon moreButtons(Qt::Orientation orientation)
{
    return drawn(orientation == Qt::Horizontal ? QStringLiteral("more:h") : QStringLiteral("more:v"),
                 chevrons(orientation, QColor(60, 60, 60)));
}

QIcon colorSwatch(int index)
{
    const QColor color = resolveColor(QBColor(index));
    return drawn(QStringLiteral("swatch:") + color.name(), swatch(color));
}

QIcon menuPicture(int index)
{
    // The items that share a command with a toolbar button show the button's picture.
    static const char *const keys[] = {"TextFile", "CustomMap", "Cut", "Copy", "Paste", "Find", "FormatTB",
                                       "FormatFM", "TBCopy", "TBCut", "FullScr", "TBPrint", "TBClear", "FB",
                                       "KB", "Opt", "HelpContents", "Readme", "CheckUpd", "Visit", "Feedback",
                                       "About"};
    if (index < 1 || index > int(std::size(keys)))
        return {};
    return icon(QString(), QString::fromLatin1(keys[index - 1]));
}

} // namespace Pictures

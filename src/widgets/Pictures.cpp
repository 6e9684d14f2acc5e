#include "widgets/Pictures.h"

#include "core/QBColors.h"
#include "widgets/ColorResolve.h"
#include "widgets/Contrast.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

// What the pictures are drawn with, taken from the desktop's palette when they are drawn, so
// that they stay legible under a light, a dark or a high-contrast palette alike.
struct Ink
{
    QColor stroke;     // monochrome lines and letters: the palette's button text
    QColor background; // what the picture shows on: the palette's button face
    bool disabled = false;

    // A fixed colour (paper, a coloured accent) as the picture's state shows it: faded while
    // the command cannot be used.
    QColor tint(QColor color) const
    {
        if (disabled)
            color.setAlphaF(color.alphaF() * 0.35);
        return color;
    }
    // A coloured accent that would vanish into the background gets a rim in the stroke colour.
    bool needsRim(const QColor &accent) const { return contrastRatio(accent, background) < 4.5; }
};

Ink inkFor(QIcon::Mode mode)
{
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
    case QIcon::Disabled:
        return {palette.color(QPalette::Disabled, QPalette::ButtonText),
                palette.color(QPalette::Disabled, QPalette::Button), true};
    case QIcon::Selected: // on a selected row of a list
        return {palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)};
    default:
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    }
}

using Painter = std::function<void(QPainter &, const QRectF &, const Ink &)>;

// Paints a picture at whatever size and scale Qt asks for, once for each size (in device
// pixels, so once for each scale too), state and palette; every later showing of it, in any
// button or menu, takes the cached pixmap. A palette change at run time makes the widgets
// repaint, and they then ask for the pictures in the new colours.
class DrawnIcon final : public QIconEngine
{
public:
    // `margin`: the pixels kept clear at the picture's edges.
    DrawnIcon(QString name, Painter painter, int margin)
        : m_name(std::move(name)), m_painter(std::move(painter)), m_margin(margin)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pm = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
        pm.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), pm);
    }
    QIconEngine *clone() const override { return new DrawnIcon(m_name, m_painter, m_margin); }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const Ink ink = inkFor(mode);
        const QString key = QStringLiteral("quorvil-picture:%1:%2x%3:%4:%5:%6:%7")
                                .arg(m_name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(int(state))
                                .arg(ink.stroke.rgba(), 0, 16)
                                .arg(ink.background.rgba(), 0, 16);
        QPixmap pm;
        if (QPixmapCache::find(key, &pm))
            return pm;
        pm = QPixmap(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        m_painter(p, QRectF(QRect(QPoint(0, 0), size)).adjusted(m_margin, m_margin, -m_margin, -m_margin), ink);
        p.end();
        QPixmapCache::insert(key, pm);
        return pm;
    }

private:
    QString m_name;
    Painter m_painter;
    int m_margin = 1;
};

QIcon drawn(const QString &name, Painter painter, int margin = 1)
{
    return QIcon(new DrawnIcon(name, std::move(painter), margin));
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

// The width of an outline: whole pixels, so that it can sit on the pixel grid.
double outlineWidth(const QRectF &r)
{
    return std::max(1.0, std::round(r.width() / 15));
}

// The width of the rim round a coloured accent.
double rimWidth(const QRectF &r)
{
    return std::max(1.0, r.width() / 16);
}

// `r` moved onto the pixel grid for an outline `width` pixels wide, so that its lines fill
// whole pixels instead of smearing half-strength over two.
QRectF onPixels(const QRectF &r, double width)
{
    return QRectF(r.toRect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
}

// Outlines a shape on the pixel grid in `line`, filled with `fill`.
void outlinedRect(QPainter &p, const QRectF &r, const QColor &line, const QColor &fill)
{
    const double width = outlineWidth(r);
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawRect(onPixels(r, width));
}

// Draws a coloured accent. Where it would vanish into the background, the same shape goes
// under it first in the stroke colour, `rim` pixels wider on every side; `shape` draws in
// the colour it is given, widening its lines by the amount it is given.
void accented(QPainter &p, const Ink &ink, const QColor &accent, double rim,
              const std::function<void(const QColor &, double)> &shape)
{
    if (ink.needsRim(accent))
        shape(ink.stroke, 2 * rim);
    shape(ink.tint(accent), 0);
}

struct LetterStyle
{
    QFont::Weight weight = QFont::Bold;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

QFont letterFont(const QString &text, const QRectF &r, const LetterStyle &style)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(r.height() * (text.size() > 1 ? 0.62 : 0.85)));
    f.setWeight(style.weight);
    f.setItalic(style.italic);
    f.setUnderline(style.underline);
    f.setStrikeOut(style.strike);
    return f;
}

void drawLetters(QPainter &p, const QRectF &r, const QString &text, const QColor &color, const LetterStyle &style = {})
{
    p.setFont(letterFont(text, r, style));
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

// A letter or short symbol in the stroke colour: the style of most pictures.
Painter letters(const QString &text, const LetterStyle &style = {})
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) { drawLetters(p, r, text, ink.stroke, style); };
}

// A letter in a colour of its own (the colour is what it says).
Painter colouredLetter(const QString &text, QColor accent)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QFont f = letterFont(text, r, {});
        const QFontMetricsF metrics(f);
        // Where drawText would put it, centred in `r`.
        const QPointF baseline(r.center().x() - metrics.horizontalAdvance(text) / 2,
                               r.center().y() + (metrics.ascent() - metrics.descent()) / 2);
        QPainterPath path;
        path.addText(baseline, f, text);
        accented(p, ink, accent, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(widen > 0 ? QPen(color, widen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawPath(path);
        });
    };
}

// A plus or a minus sign of bars on the pixel grid.
Painter sign(bool plus, QColor accent)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const double bar = std::max(2.0, std::round(r.width() / 6));
        const QRectF square = QRectF(r.toRect()).adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12,
                                                          -r.height() * 0.12);
        const double mid = std::round(square.center().y() - bar / 2);
        QPainterPath path;
        path.addRect(QRectF(std::round(square.left()), mid, std::round(square.width()), bar));
        if (plus) {
            const double centre = std::round(square.center().x() - bar / 2);
            path.addRect(QRectF(centre, std::round(square.top()), bar, std::round(square.height())));
        }
        path.setFillRule(Qt::WindingFill);
        accented(p, ink, accent, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(widen > 0 ? QPen(color, widen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawPath(path.simplified());
        });
    };
}

// A sheet of paper with `mark` drawn on it.
Painter sheet(Painter mark)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QRectF paper = r.adjusted(r.width() * 0.15, 0, -r.width() * 0.15, 0);
        outlinedRect(p, paper, ink.tint(QColor(90, 90, 90)), ink.tint(Qt::white));
        mark(p, paper, ink);
    };
}

// A sign in a colour of its own on a sheet of paper.
Painter page(QColor color, const QString &mark)
{
    return sheet([=](QPainter &p, const QRectF &r, const Ink &ink) { drawLetters(p, r, mark, ink.tint(color)); });
}

// Lines of text on a sheet with a folded corner.
Painter textFile(QColor color)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        QPainterPath paper;
        paper.moveTo(at(r, 0.15, 0));
        paper.lineTo(at(r, 0.62, 0));
        paper.lineTo(at(r, 0.85, 0.25));
        paper.lineTo(at(r, 0.85, 1));
        paper.lineTo(at(r, 0.15, 1));
        paper.closeSubpath();
        p.setPen(QPen(ink.tint(QColor(90, 90, 90)), 1));
        p.setBrush(ink.tint(Qt::white));
        p.drawPath(paper);
        p.drawPolyline(QPolygonF{at(r, 0.62, 0), at(r, 0.62, 0.25), at(r, 0.85, 0.25)});
        p.setPen(QPen(ink.tint(color), strokeWidth(r)));
        for (const double y : {0.42, 0.58, 0.74})
            p.drawLine(at(r, 0.27, y), at(r, 0.73, y));
        p.drawLine(at(r, 0.27, 0.26), at(r, 0.5, 0.26));
    };
}

// Two crossed blades with round handles.
Painter scissors(QColor accent)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const double d = r.width() * 0.3;
        accented(p, ink, accent, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(QPen(color, strokeWidth(r) * 1.2 + widen, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(at(r, 0.05, 0.66), QSizeF(d, d)));
            p.drawEllipse(QRectF(at(r, 0.65, 0.66), QSizeF(d, d)));
            p.drawLine(at(r, 0.3, 0.7), at(r, 0.8, 0.04));
            p.drawLine(at(r, 0.7, 0.7), at(r, 0.2, 0.04));
        });
    };
}

Painter keyboard()
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QRectF body(at(r, 0, 0.22), at(r, 1, 0.82));
        p.setPen(QPen(ink.tint(QColor(60, 60, 60)), 1));
        p.setBrush(ink.tint(QColor(225, 228, 235)));
        p.drawRoundedRect(body, r.width() * 0.08, r.width() * 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.tint(QColor(60, 60, 60)));
        const double key = r.width() * 0.11;
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 6; ++col)
                p.drawRect(QRectF(at(r, 0.1 + col * 0.14, 0.32 + row * 0.16), QSizeF(key, key)));
        }
        p.drawRect(QRectF(at(r, 0.24, 0.64), at(r, 0.76, 0.64 + 0.11)));
    };
}

// A cog wheel: the usual picture of settings.
Painter gear()
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
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
        p.setBrush(ink.stroke);
        p.drawPath(wheel);
    };
}

// Two chevrons pointing right (or down): more buttons than the bar has room for.
Painter chevrons(Qt::Orientation orientation)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        p.setPen(QPen(ink.stroke, strokeWidth(r) * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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

// A grid of 3 x 3 white cells on the pixel grid; `fillOf` gives a cell (row * 3 + column)
// another colour.
void drawCells(QPainter &p, const QRectF &r, const Ink &ink, const std::function<QColor(int)> &fillOf)
{
    const double width = outlineWidth(r);
    const QRectF grid = onPixels(r, width);
    const double s = grid.width() / 3;
    p.setPen(QPen(ink.tint(QColor(60, 60, 60)), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int i = 0; i < 9; ++i) {
        p.setBrush(ink.tint(fillOf(i)));
        p.drawRect(QRectF(std::round(grid.left() + (i % 3) * s - width / 2) + width / 2,
                          std::round(grid.top() + (i / 3) * s - width / 2) + width / 2, std::round(s), std::round(s)));
    }
}

Painter cells(std::initializer_list<int> filled, QColor fill)
{
    const QList<int> marked(filled);
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        drawCells(p, r, ink, [&](int i) { return marked.contains(i) ? fill : QColor(Qt::white); });
    };
}

// The FontMap grid, with its centre cell highlighted or not.
Painter grid(bool highlight)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        drawCells(p, r, ink, [&](int i) { return highlight && i == 4 ? QColor(30, 60, 160) : QColor(Qt::white); });
    };
}

// A letter over a coloured bar: the text's format.
Painter letterOnBar(QColor bar)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        drawLetters(p, QRectF(at(r, 0, 0), at(r, 1, 0.8)), QStringLiteral("A"), ink.stroke);
        const QRectF band(at(r, 0.1, 0.82), at(r, 0.9, 1));
        accented(p, ink, bar, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(widen > 0 ? QPen(color, widen) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawRect(band);
        });
    };
}

Painter openBook(QColor color)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        p.setPen(QPen(ink.tint(color), strokeWidth(r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink.tint(Qt::white));
        p.drawPolygon(QPolygonF{at(r, 0.5, 0.22), at(r, 0.02, 0.1), at(r, 0.02, 0.84), at(r, 0.5, 0.96)});
        p.drawPolygon(QPolygonF{at(r, 0.5, 0.22), at(r, 0.98, 0.1), at(r, 0.98, 0.84), at(r, 0.5, 0.96)});
        p.setPen(QPen(ink.tint(color), std::max(1.0, r.width() / 20)));
        for (const double y : {0.36, 0.52, 0.68}) {
            p.drawLine(at(r, 0.12, y - 0.03), at(r, 0.4, y + 0.03));
            p.drawLine(at(r, 0.6, y + 0.03), at(r, 0.88, y - 0.03));
        }
    };
}

// Almost a full circle with an arrow head: fetching something anew.
Painter circularArrow(QColor accent)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QRectF ring = r.adjusted(r.width() * 0.14, r.height() * 0.14, -r.width() * 0.14, -r.height() * 0.14);
        // The head sits at the arc's start (the top), pointing along it.
        const QPointF top(ring.center().x(), ring.top());
        const double h = r.width() * 0.22;
        const QPolygonF head{top + QPointF(-h * 0.9, 0), top + QPointF(0, -h * 0.8), top + QPointF(0, h * 0.8)};
        accented(p, ink, accent, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(QPen(color, strokeWidth(r) * 1.5 + widen, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(ring, 90 * 16, -290 * 16);
            p.setPen(widen > 0 ? QPen(color, widen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawPolygon(head);
        });
    };
}

Painter globe(QColor color)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QRectF ball = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(ink.tint(color), strokeWidth(r)));
        p.setBrush(ink.tint(QColor(215, 232, 250)));
        p.drawEllipse(ball);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ball.adjusted(ball.width() * 0.28, 0, -ball.width() * 0.28, 0));
        p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
        p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    };
}

Painter envelope(QColor color)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QRectF body(at(r, 0, 0.18), at(r, 1, 0.82));
        p.setPen(QPen(ink.tint(color), strokeWidth(r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink.tint(QColor(255, 250, 225)));
        p.drawRect(body);
        p.drawPolyline(QPolygonF{body.topLeft(), at(r, 0.5, 0.56), body.topRight()});
    };
}

// A white letter on a disc of a colour of its own.
Painter badge(QColor disc, const QString &letter)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        accented(p, ink, disc, rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(widen > 0 ? QPen(color, widen) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawEllipse(r.adjusted(widen / 2, widen / 2, -widen / 2, -widen / 2));
        });
        drawLetters(p, r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2), letter,
                    ink.tint(Qt::white));
    };
}

// Four lines of text, aligned; on whole pixels, so that they stay sharp.
Painter lines(Qt::Alignment align)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const double width = std::max(1.0, std::round(r.height() / 10));
        p.setPen(QPen(ink.stroke, width, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 4; ++i) {
            const double y = std::floor(r.top() + r.height() * (0.2 + 0.2 * i)) + width / 2;
            const double w = std::round(r.width() * ((i % 2) ? 0.6 : 0.9));
            double x = std::round(r.left());
            if (align == Qt::AlignRight)
                x = std::round(r.right()) - w;
            else if (align == Qt::AlignHCenter)
                x = std::round(r.center().x() - w / 2);
            p.drawLine(QPointF(x, y), QPointF(x + w, y));
        }
    };
}

// A triangle pointing right or left: the side the views go to.
Painter arrow(bool right)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
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
        accented(p, ink, QColor(30, 90, 170), rimWidth(r), [&](const QColor &color, double widen) {
            p.setPen(widen > 0 ? QPen(color, widen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
            p.setBrush(color);
            p.drawPath(path);
        });
    };
}

// A colour, framed in the stroke colour so that black shows on a dark bar and white on a
// light one.
Painter swatch(QColor color)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        outlinedRect(p, r.adjusted(1, 1, -1, -1), ink.stroke, ink.tint(color));
    };
}

Painter twoSheets(QColor line)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const double w = r.width() * 0.6, h = r.height() * 0.7;
        outlinedRect(p, QRectF(r.left(), r.top(), w, h), ink.tint(line), ink.tint(Qt::white));
        outlinedRect(p, QRectF(r.right() - w, r.bottom() - h, w, h), ink.tint(line), ink.tint(Qt::white));
    };
}

Painter clipboard(QColor line)
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        outlinedRect(p, r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, 0),
                     ink.tint(QColor(90, 60, 20)), ink.tint(QColor(210, 170, 110)));
        outlinedRect(p, r.adjusted(r.width() * 0.3, r.height() * 0.35, 0, 0), ink.tint(line), ink.tint(Qt::white));
    };
}

Painter printer()
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        const QColor line = ink.tint(QColor(50, 50, 50));
        outlinedRect(p, r.adjusted(r.width() * 0.25, 0, -r.width() * 0.25, -r.height() * 0.5), line,
                     ink.tint(Qt::white));
        outlinedRect(p, r.adjusted(0, r.height() * 0.4, 0, -r.height() * 0.15), line, ink.tint(QColor(150, 150, 150)));
    };
}

Painter magnifier()
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        p.setPen(QPen(ink.stroke, std::max(1.5, r.width() / 8)));
        p.setBrush(Qt::NoBrush);
        const QRectF lens(r.left(), r.top(), r.width() * 0.65, r.height() * 0.65);
        p.drawEllipse(lens);
        p.drawLine(lens.bottomRight() - QPointF(lens.width() * 0.15, lens.height() * 0.15), r.bottomRight());
    };
}

Painter fullScreen()
{
    return [=](QPainter &p, const QRectF &r, const Ink &ink) {
        outlinedRect(p, r, ink.tint(QColor(40, 40, 40)), ink.tint(QColor(200, 220, 245)));
        p.setPen(QPen(ink.tint(QColor(30, 70, 160)), std::max(1.0, r.width() / 10)));
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

// The program's own icon as desktop/quorvil.svg draws it on a square of 128 units: a tile of
// character cells, one of them enlarged and holding an A with diaeresis. It is drawn here
// rather than read from an image file, which would load every image format plugin at start-up;
// its colours are its own under any palette.
Painter characterMap()
{
    return [](QPainter &p, const QRectF &r, const Ink &) {
        p.save();
        p.translate(r.topLeft());
        p.scale(r.width() / 128, r.height() / 128);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2c, 0x5a, 0xa0));
        p.drawRoundedRect(QRectF(4, 4, 120, 120), 20, 20);
        // The cells of the top row and the left column; the enlarged cell covers the others.
        p.setBrush(QColor(0xc9, 0xd8, 0xf0));
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                if (row == 0 || column == 0)
                    p.drawRoundedRect(QRectF(14 + column * 26, 14 + row * 26, 22, 22), 3, 3);
            }
        }
        const QColor ink(0x17, 0x37, 0x6b);
        p.setPen(QPen(ink, 4));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(42, 42, 76, 76), 10, 10);
        p.setPen(QPen(ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{QPointF(60, 106), QPointF(80, 64), QPointF(100, 106)});
        p.drawLine(QPointF(68, 92), QPointF(92, 92));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(70, 52), 5.5, 5.5);
        p.drawEllipse(QPointF(90, 52), 5.5, 5.5);
        p.restore();
    };
}

const QHash<QString, Painter> &painters()
{
    static const QHash<QString, Painter> table = [] {
        const QColor blue(30, 70, 160), red(170, 30, 30), green(20, 120, 40), dark(40, 40, 40);
        QHash<QString, Painter> t;
        t.insert(QStringLiteral("Load"), page(blue, QStringLiteral("\u2191")));
        t.insert(QStringLiteral("Save"), page(green, QStringLiteral("\u2193")));
        t.insert(QStringLiteral("Opt"), gear());
        t.insert(QStringLiteral("KB"), keyboard());
        t.insert(QStringLiteral("FB"), letters(QStringLiteral("Aa")));
        t.insert(QStringLiteral("TT"), letters(QStringLiteral("TT")));
        t.insert(QStringLiteral("SF"), letters(QStringLiteral("SF")));
        t.insert(QStringLiteral("TBClear"), page(red, QStringLiteral("\u00d7")));
        t.insert(QStringLiteral("TBCopy"), twoSheets(blue));
        t.insert(QStringLiteral("TBCut"), sheet(scissors(red)));
        t.insert(QStringLiteral("TBPrint"), printer());
        t.insert(QStringLiteral("FullScr"), fullScreen());
        t.insert(QStringLiteral("Cut"), scissors(red));
        t.insert(QStringLiteral("Copy"), twoSheets(dark));
        t.insert(QStringLiteral("Paste"), clipboard(dark));
        t.insert(QStringLiteral("Find"), magnifier());
        t.insert(QStringLiteral("Bold"), letters(QStringLiteral("B")));
        t.insert(QStringLiteral("Italic"), letters(QStringLiteral("I"), {.italic = true}));
        t.insert(QStringLiteral("Underline"), letters(QStringLiteral("U"), {.underline = true}));
        t.insert(QStringLiteral("Strikethrough"), letters(QStringLiteral("S"), {.strike = true}));
        t.insert(QStringLiteral("Left"), lines(Qt::AlignLeft));
        t.insert(QStringLiteral("Center"), lines(Qt::AlignHCenter));
        t.insert(QStringLiteral("Right"), lines(Qt::AlignRight));
        t.insert(QStringLiteral("Zoom"), letters(QStringLiteral("Z")));
        t.insert(QStringLiteral("Code"), letters(QStringLiteral("#")));
        t.insert(QStringLiteral("KS"), letters(QStringLiteral("K")));
        t.insert(QStringLiteral("VCRight"), arrow(true));
        t.insert(QStringLiteral("VCLeft"), arrow(false));
        t.insert(QStringLiteral("CFMapNew"), page(green, QStringLiteral("+")));
        t.insert(QStringLiteral("CFMapLoad"), page(blue, QStringLiteral("\u2191")));
        t.insert(QStringLiteral("CFMapEdit"), page(dark, QStringLiteral("\u270e")));
        t.insert(QStringLiteral("CFMapUnld"), page(red, QStringLiteral("\u00d7")));
        t.insert(QStringLiteral("FMap+"), sign(true, green));
        t.insert(QStringLiteral("FMap-"), sign(false, red));
        t.insert(QStringLiteral("RAFMap"), letters(QStringLiteral("\u21f2"), {.weight = QFont::Normal}));
        t.insert(QStringLiteral("FMapFC"), colouredLetter(QStringLiteral("A"), red));
        t.insert(QStringLiteral("FMapBC"), swatch(QColor(250, 230, 140)));
        t.insert(QStringLiteral("FMapH"), grid(true));
        t.insert(QStringLiteral("FMapG"), grid(false));
        // Pictures of the menus only.
        t.insert(QStringLiteral("TextFile"), textFile(blue));
        t.insert(QStringLiteral("CustomMap"), cells({0, 4, 5, 7}, QColor(90, 130, 210)));
        t.insert(QStringLiteral("FormatTB"), letterOnBar(red));
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
        : drawn(QStringLiteral("letters:") + imageKey.left(2), letters(imageKey.left(2)));
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
                 chevrons(orientation));
}

QIcon programIcon()
{
    return drawn(QStringLiteral("program"), characterMap(), 0);
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

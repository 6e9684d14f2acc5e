#include "tools/KeyboardPicture.h"

#include "tools/CharacterCell.h"
#include "tools/KeyboardPictureAccessible.h"
#include "widgets/PartToolTip.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using KeyboardLayout::OtherKey;

namespace {

// The picture's colours: a dark case, light caps with darker sides, grey legends.
const QColor kCaseTop(74, 78, 86);
const QColor kCaseBottom(46, 49, 55);
const QColor kCapSide(196, 198, 201);
const QColor kCapEdge(120, 123, 128);
const QColor kCapFaceTop(252, 252, 250);
const QColor kCapFaceBottom(236, 237, 234);
const QColor kPressedSide(150, 170, 205);
const QColor kPressedFace(208, 221, 243);
const QColor kLegend(120, 120, 120);
const QColor kLabel(0, 0, 0);

constexpr std::array<OtherKey, KeyboardLayout::kOtherKeys> kOtherKeys = {
    OtherKey::Backspace, OtherKey::Tab,   OtherKey::CapsLock, OtherKey::Enter,    OtherKey::LeftShift,
    OtherKey::RightShift, OtherKey::LeftCtrl, OtherKey::LeftAlt, OtherKey::Space, OtherKey::RightAlt,
    OtherKey::RightCtrl};

// What the key's cap says in the US layout: the letter, or the shifted character above the
// unshifted one.
QString usLegend(int key)
{
    const QChar plain = QChar(KeyboardLayout::keyCode(key, false));
    const QChar shifted = QChar(KeyboardLayout::keyCode(key, true));
    if (plain.isLetter())
        return QString(shifted);
    return QString(shifted) + QLatin1Char('\n') + QString(plain);
}

QRect toRect(const QRectF &r)
{
    return r.toAlignedRect();
}

} // namespace

KeyboardPicture::KeyboardPicture(QWidget *parent)
    : QWidget(parent)
{
    // Before anything can ask for this widget's interface, which Qt then keeps.
    KeyboardPictureAccessible::install();
    setObjectName(QStringLiteral("picKeyboard"));
    setFixedSize(sizeHint());
}

QSize KeyboardPicture::sizeHint() const
{
    return QSize(int(KeyboardLayout::kPictureWidth), int(KeyboardLayout::kPictureHeight));
}

void KeyboardPicture::setCaptions(const std::array<QString, KeyboardLayout::kKeys> &captions)
{
    if (!m_labels.setCaptions(captions))
        return;
    update();
    for (int key = 0; key < KeyboardLayout::kKeys; ++key)
        CellTableAccessible::cellChanged(this, key);
}

void KeyboardPicture::setLabelFont(const QFont &font)
{
    m_labels.setFont(font);
    update();
}

void KeyboardPicture::setShifted(bool shifted)
{
    if (shifted == m_shifted)
        return;
    m_shifted = shifted;
    update(shiftRect(false));
    update(shiftRect(true));
}

void KeyboardPicture::setShiftToolTips(const QString &shift, const QString &pressed)
{
    m_shiftTip = shift;
    m_pressedTip = pressed;
}

KeyboardPicture::Part KeyboardPicture::partAt(const QPoint &pos) const
{
    for (int key = 0; key < KeyboardLayout::kKeys; ++key) {
        if (keyLabelRect(key).contains(pos))
            return Part::KeyLabel;
    }
    if (shiftRect(false).contains(pos))
        return m_shifted ? Part::LeftShiftPressed : Part::LeftShift;
    if (shiftRect(true).contains(pos))
        return m_shifted ? Part::RightShiftPressed : Part::RightShift;
    return Part::Picture;
}

QString KeyboardPicture::toolTipAt(const QPoint &pos) const
{
    switch (partAt(pos)) {
    case Part::LeftShift:
    case Part::RightShift: return m_shiftTip;
    case Part::LeftShiftPressed:
    case Part::RightShiftPressed: return m_pressedTip;
    case Part::KeyLabel:
    case Part::Picture: break;
    }
    return QString();
}

QRect KeyboardPicture::keyLabelRect(int key) const
{
    return toRect(KeyboardLayout::capFace(KeyboardLayout::keyRect(key)));
}

QRect KeyboardPicture::shiftRect(bool right) const
{
    return toRect(KeyboardLayout::otherKeyRect(right ? OtherKey::RightShift : OtherKey::LeftShift));
}

bool KeyboardPicture::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        showPartToolTip(this, help, toolTipAt(help->pos()));
        return true;
    }
    return QWidget::event(event);
}

void KeyboardPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressedOn = partAt(event->position().toPoint());
        m_pressing = true;
    }
    QWidget::mousePressEvent(event);
}

void KeyboardPicture::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the same part, as on separate controls.
    if (event->button() == Qt::LeftButton && m_pressing) {
        m_pressing = false;
        if (partAt(event->position().toPoint()) == m_pressedOn)
            Q_EMIT clicked(m_pressedOn);
    }
    QWidget::mouseReleaseEvent(event);
}

void KeyboardPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCase(painter);
    for (OtherKey other : kOtherKeys) {
        const bool shiftKey = other == OtherKey::LeftShift || other == OtherKey::RightShift;
        const QRectF face = paintKey(painter, KeyboardLayout::otherKeyRect(other), shiftKey && m_shifted);
        paintLegend(painter, face, KeyboardLayout::otherKeyLegend(other), Qt::AlignLeft | Qt::AlignBottom);
    }
    for (int k = 0; k < KeyboardLayout::kKeys; ++k) {
        const QRectF face = paintKey(painter, KeyboardLayout::keyRect(k), false);
        paintLegend(painter, face, usLegend(k), Qt::AlignLeft | Qt::AlignTop);
        painter.setPen(kLabel);
        drawCharacterCell(painter, face, m_labels.font(), m_labels.caption(k));
    }
}

void KeyboardPicture::paintCase(QPainter &painter) const
{
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient body(all.topLeft(), all.bottomLeft());
    body.setColorAt(0, kCaseTop);
    body.setColorAt(1, kCaseBottom);
    painter.setPen(QPen(kCaseBottom.darker(140), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(all, 10, 10);
}

QRectF KeyboardPicture::paintKey(QPainter &painter, const QRectF &key, bool pressed) const
{
    // The cap's sides show around its top face; a pressed cap sits lower, its face nearer the
    // front edge.
    painter.setPen(QPen(kCapEdge, 1));
    painter.setBrush(pressed ? kPressedSide : kCapSide);
    painter.drawRoundedRect(key.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    QRectF face = KeyboardLayout::capFace(key);
    if (pressed)
        face.translate(0, 3);
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    top.setColorAt(0, pressed ? kPressedFace : kCapFaceTop);
    top.setColorAt(1, pressed ? kPressedFace.darker(108) : kCapFaceBottom);
    painter.setPen(QPen(pressed ? kPressedSide.darker(130) : kCapSide.darker(112), 1));
    painter.setBrush(top);
    painter.drawRoundedRect(face, 4, 4);
    return face;
}

void KeyboardPicture::paintLegend(QPainter &painter, const QRectF &face, const QString &legend,
                                  Qt::Alignment align) const
{
    if (legend.isEmpty())
        return;
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    painter.save();
    painter.setFont(small);
    painter.setPen(kLegend);
    painter.drawText(face.adjusted(3, 2, -3, -2), int(align), legend);
    painter.restore();
}

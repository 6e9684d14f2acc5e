#include "widgets/SizeNumberEdit.h"

#include "fontmap/rules/FontSizeRules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;

} // namespace

SizeNumberEdit::SizeNumberEdit(QLabel *number, QLineEdit *edit, QSlider *slider, std::function<void()> closed,
                               Parse parse)
    : QObject(number)
    , m_number(number)
    , m_edit(edit)
    , m_slider(slider)
    , m_closed(std::move(closed))
    , m_parse(parse ? std::move(parse) : Parse(&FontSizeRules::sizeFromEditText))
{
    m_number->installEventFilter(this);
    m_edit->installEventFilter(this);
}

void SizeNumberEdit::open()
{
    m_edit->setText(m_number->text());
    m_edit->show();
    m_edit->raise();
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
}

void SizeNumberEdit::keyPress(int keyAscii)
{
    if (keyAscii != kEnter && keyAscii != kEscape)
        return;
    const QString text = m_edit->text();
    m_edit->hide();
    if (keyAscii == kEnter) {
        if (const auto size = m_parse(text)) {
            m_slider->setValue(*size);
            m_number->setText(QString::number(*size));
        }
    }
    if (m_closed)
        m_closed();
}

void SizeNumberEdit::lostFocus()
{
    m_edit->hide();
}

bool SizeNumberEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_number && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_number->rect().contains(mouse->position().toPoint()))
            open();
        return false;
    }
    if (watched == m_edit) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                keyPress(kEnter);
                return true;
            }
            if (key == Qt::Key_Escape) {
                keyPress(kEscape);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            lostFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}

#include "widgets/InlineNumberEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

InlineNumberEdit::InlineNumberEdit(QLabel *number, QLineEdit *edit, QSlider *slider, Parse parse,
                                   std::function<void()> done, QObject *parent)
    : QObject(parent)
    , m_number(number)
    , m_edit(edit)
    , m_slider(slider)
    , m_parse(std::move(parse))
    , m_done(std::move(done))
{
    m_number->installEventFilter(this);
    m_edit->installEventFilter(this);
}

void InlineNumberEdit::numberClicked()
{
    m_edit->setText(m_number->text());
    m_edit->show();
    m_edit->raise();
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
}

void InlineNumberEdit::enter()
{
    const QString text = m_edit->text();
    m_edit->hide();
    if (const auto value = m_parse(text)) {
        m_slider->setValue(*value);
        m_number->setText(QString::number(*value));
    }
    m_done();
}

void InlineNumberEdit::escape()
{
    m_edit->hide();
    m_done();
}

bool InlineNumberEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_number && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_number->rect().contains(mouse->position().toPoint()))
            numberClicked();
        return false;
    }
    if (watched == m_edit) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                enter();
                return true;
            }
            if (key == Qt::Key_Escape) {
                escape();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            m_edit->hide();
        }
    }
    return QObject::eventFilter(watched, event);
}

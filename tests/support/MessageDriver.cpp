#include "support/MessageDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// Drivers nest: only the one made last answers (a fixture may answer its own start-up
// while the test's driver waits for the boxes it cares about).
QList<MessageDriver *> &driverStack()
{
    static QList<MessageDriver *> stack;
    return stack;
}

} // namespace

MessageDriver::MessageDriver()
{
    driverStack().append(this);
    qApp->installEventFilter(this);
}

MessageDriver::~MessageDriver()
{
    qApp->removeEventFilter(this);
    driverStack().removeOne(this);
}

MessageDriver &MessageDriver::answer(Action action, bool tick)
{
    m_answers.append(Answer{action, tick, Qt::Key_A});
    return *this;
}

MessageDriver &MessageDriver::typeKey(int key)
{
    m_answers.append(Answer{Action::Key, false, key});
    return *this;
}

void MessageDriver::clear()
{
    m_answers.clear();
    m_seen.clear();
    m_unexpected = 0;
}

bool MessageDriver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Message")
        && driverStack().last() == this) {
        if (auto *box = qobject_cast<QDialog *>(watched)) {
            QPointer<QDialog> guard(box);
            // Act once the box is up and has settled its focus.
            QTimer::singleShot(0, this, [this, guard] {
                if (guard)
                    respond(guard);
            });
        }
    }
    return false;
}

void MessageDriver::respond(QDialog *box)
{
    auto *area = box->findChild<QLabel *>(QStringLiteral("MessageArea"));
    auto *button1 = box->findChild<QPushButton *>(QStringLiteral("Button1"));
    auto *button2 = box->findChild<QPushButton *>(QStringLiteral("Button2"));
    auto *check = box->findChild<QCheckBox *>(QStringLiteral("DisplayAgainCheck"));

    Seen seen;
    seen.title = box->windowTitle();
    seen.text = area ? area->text().replace(QLatin1Char('\n'), QLatin1Char('\r')) : QString();
    QList<QPushButton *> visible;
    for (QPushButton *b : {button1, button2}) {
        if (b && b->isVisible())
            visible.append(b);
    }
    std::sort(visible.begin(), visible.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    for (QPushButton *b : visible)
        seen.buttons.append(b->text());
    seen.checkBoxVisible = check && check->isVisible();
    if (QWidget *f = box->focusWidget())
        seen.focused = f->objectName();
    if (area) {
        seen.textColor = area->palette().color(QPalette::WindowText);
        seen.backColor = area->palette().color(QPalette::Window);
    }

    Answer answer;
    if (m_answers.isEmpty()) {
        ++m_unexpected;
        answer.action = (button2 && button2->isVisible()) ? Action::Button2 : Action::Button1;
    } else {
        answer = m_answers.takeFirst();
    }

    if (answer.tick && check && check->isVisible())
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));

    QPointer<QDialog> guard(box);
    switch (answer.action) {
    case Action::Button1:
        QTest::mouseClick(button1, Qt::LeftButton);
        break;
    case Action::Button2:
        QTest::mouseClick(button2, Qt::LeftButton);
        break;
    case Action::CloseBox:
        box->close();
        break;
    case Action::Key:
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key(answer.key));
        break;
    }
    seen.closed = !guard || !guard->isVisible();
    m_seen.append(seen);

    // A key that does not close the box (a Yes/No box) leaves it open: close it without a
    // button, which the test sees as `closed == false`.
    if (guard && guard->isVisible())
        guard->reject();
}

#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QDialog;

// Answers the program's own message boxes while a test runs, through the real form:
// it reads what each box shows, then clicks, ticks or types as it was told.
// Boxes that come with no answer queued are recorded as unexpected and answered with
// the last button shown, so a test never hangs.
class MessageDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageDriver)

public:
    enum class Action { Button1, Button2, CloseBox, Key };

    struct Answer
    {
        Action action = Action::Button1;
        bool tick = false;            // tick "Do not display again" first
        int key = Qt::Key_A;          // the key typed for Action::Key
    };

    // What one box showed when it opened.
    struct Seen
    {
        QString title;
        QString text;                 // lines joined by carriage returns, as the caller built it
        QStringList buttons;          // captions of the visible buttons, left to right
        bool checkBoxVisible = false;
        QString focused;              // object name of the control that had the focus
        QColor textColor;
        QColor backColor;
        bool closed = false;          // the box went away after the answer
    };

    MessageDriver();
    ~MessageDriver() override;

    MessageDriver &answer(Action action, bool tick = false);
    MessageDriver &yes(bool tick = false) { return answer(Action::Button1, tick); }
    MessageDriver &no(bool tick = false) { return answer(Action::Button2, tick); }
    MessageDriver &ok(bool tick = false) { return answer(Action::Button1, tick); }
    MessageDriver &typeKey(int key); // a Qt::Key

    const QList<Seen> &seen() const { return m_seen; }
    int count() const { return int(m_seen.size()); }
    const Seen &last() const { return m_seen.last(); }
    int unexpected() const { return m_unexpected; }
    int pending() const { return int(m_answers.size()); }
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void respond(QDialog *box);

    QList<Answer> m_answers;
    QList<Seen> m_seen;
    int m_unexpected = 0;
};

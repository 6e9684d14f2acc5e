#pragma once

#include <QObject>

#include <functional>

class QComboBox;

// The initial-letter jump of a font name box: typing a letter A to Z (either case) selects the
// first of the box's first `count()` items that begins with it, ignoring case, and then runs
// `chosen` as a click would; any other character selects the box's current item again
// (`current()`, counted from 0). Printable characters go to the jump alone; Enter, Esc and
// the navigation keys still reach the box.
class ComboLetterJump final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ComboLetterJump)

public:
    ComboLetterJump(QComboBox *combo, std::function<int()> count, std::function<int()> current,
                    std::function<void()> chosen, QObject *parent = nullptr);

    void keyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo;
    std::function<int()> m_count;
    std::function<int()> m_current;
    std::function<void()> m_chosen;
};

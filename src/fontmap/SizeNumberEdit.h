#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QLineEdit;
class QSlider;

// A font size shown as a number beside its slider, edited in place: a click on the number opens
// an edit box over it holding the number, focused and all selected; Enter takes the typed size
// (a number, brought within the font sizes or the range set) into slider and number, Esc drops
// it, and leaving the box drops it too. Text that is no number changes nothing.
class SizeNumberEdit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizeNumberEdit)

public:
    // `closed` runs after Enter or Esc closed the box (where the focus goes next).
    SizeNumberEdit(QLabel *number, QLineEdit *edit, QSlider *slider, std::function<void()> closed = {});

    // The sizes a typed number is brought within (the zoom sizes, say); the font sizes unless set.
    void setRange(int min, int max);

    void open();
    // Enter (13) applies, Esc (27) drops; other keys type.
    void keyPress(int keyAscii);
    void lostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_number;
    QLineEdit *m_edit;
    QSlider *m_slider;
    std::function<void()> m_closed;
    int m_min;
    int m_max;
};

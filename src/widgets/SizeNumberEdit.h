#pragma once

#include <QObject>

#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QSlider;

// A size shown as a number beside its slider, edited in place: a click on the number opens an
// edit box over it holding the number, focused and all selected; Enter takes the typed size
// (a number, brought within the sizes `parse` allows; a font size unless told otherwise) into
// slider and number, Esc drops it, and leaving the box drops it too. Text that is no number
// changes nothing.
class SizeNumberEdit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizeNumberEdit)

public:
    // The size in the typed text; nothing when it is no number.
    using Parse = std::function<std::optional<int>(const QString &text)>;

    // `closed` runs after Enter or Esc closed the box (where the focus goes next).
    SizeNumberEdit(QLabel *number, QLineEdit *edit, QSlider *slider, std::function<void()> closed = {},
                   Parse parse = {});

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
    Parse m_parse;
};

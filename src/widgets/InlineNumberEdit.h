#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QSlider;

// A number label that edits in place: a click on the label shows the hidden edit over it with
// the label's text, focused and all selected. Enter takes the text through `parse` and sets
// the slider and the label to the result (a text `parse` refuses keeps the number as it was);
// Esc drops the edit. Either way the edit hides and `done` runs (it moves the focus on).
// Losing the focus hides the edit too.
class InlineNumberEdit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InlineNumberEdit)

public:
    using Parse = std::function<std::optional<int>(const QString &text)>;

    InlineNumberEdit(QLabel *number, QLineEdit *edit, QSlider *slider, Parse parse, std::function<void()> done,
                     QObject *parent = nullptr);

    void numberClicked();
    void enter();
    void escape();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_number;
    QLineEdit *m_edit;
    QSlider *m_slider;
    Parse m_parse;
    std::function<void()> m_done;
};

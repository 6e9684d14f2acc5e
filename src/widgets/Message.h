#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <utility>

class FontMapColors;
class QCheckBox;
class QLabel;
class QPushButton;

// The program's own modal message box. Every message of the system goes through
// QrvlMsg; the answer comes back in globals().gMsgResult and gMsgDontDisplay. Under the
// colour scheme its text shows in the colours of the FontMap it is given.
class Message final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Message)

public:
    explicit Message(const FontMapColors &schemeColors, QWidget *parent = nullptr);

    void setup(const QString &msg, const QString &buttons, const QString &title, bool showDontDisplay,
               int focusButton);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Button1_Click();
    void Button2_Click();
    void DisplayAgainCheck_Click();

    const FontMapColors &m_schemeColors;
    QLabel *m_messageArea = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QCheckBox *m_displayAgainCheck = nullptr;
    QPushButton *m_focusButton = nullptr;
};

// `schemeColors`: the main window's FontMap colours (a fresh FontMapColors holds the designed
// ones, for a message before or without a main window).
void QrvlMsg(const QString &Msg, const QString &Buttons, const QString &Title, bool ShowDontDisplay,
             int FocusButton, const FontMapColors &schemeColors);
// The plain report: an "OK" box without the "Do not display again" box, its lines joined by
// carriage returns.
void QrvlMsgOK(const QStringList &lines, const QString &Title, const FontMapColors &schemeColors);

// The lines, with the longest one cut when the whole message would not show in the box (a
// path built of thousands of command-line arguments): the cut line ends in "…" and the
// line after it says how many characters were left out.
QStringList fitMessageLines(QStringList lines);

// A message's lines, joined by the carriage returns the box breaks them at.
QString messageText(const QStringList &lines);
// A message's title: the product name and the kind of message (" File Load Error").
QString messageTitle(const char *kind);


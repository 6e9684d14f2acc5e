#include "textboard/FindCommands.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardControls.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/rules/TextBoardState.h"
#include "widgets/ActionCollection.h"
#include "widgets/Message.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The searched string as the message shows it: without its leading and trailing blanks.
QString withoutOuterBlanks(const QString &s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && s.at(last - 1) == QLatin1Char(' '))
        --last;
    return s.mid(first, last - first);
}

} // namespace

FindCommands::FindCommands(TextBoardDocument &document, TextBoardEdit &view, const FindBarControls &bar,
                           TextBoardState &state, ActionCollection &commands, const FontMapColors &schemeColors,
                           QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_view(view)
    , m_bar(bar)
    , m_s(state)
    , m_commands(commands)
    , m_schemeColors(schemeColors)
{
    // The "Find" button and Edit > Find are one command: its check mark is the open frame.
    connect(m_commands.action(QStringLiteral("EditFind")), &QAction::triggered, this,
            [this](bool checked) { ShowFindFrame(checked ? 1 : 0); });
    m_commands.onTriggered(QStringLiteral("EditFindAgain"), this, &FindCommands::EditFindAgain_Click);
    connect(m_bar.CloseFindButton, &QPushButton::clicked, this, &FindCommands::CloseFindButton_Click);
    connect(m_bar.FindNextButton, &QPushButton::clicked, this, &FindCommands::FindNextButton_Click);
    connect(m_bar.ClearFindButton, &QPushButton::clicked, this, &FindCommands::ClearFindButton_Click);
    connect(m_bar.FindString, &QLineEdit::textChanged, this, &FindCommands::FindString_Change);
    m_bar.FindString->installEventFilter(this);
    // Find Again has nothing to repeat until the first "Find Next".
    m_commands.setEnabled(QStringLiteral("EditFindAgain"), false);
    FindString_Change();
}

bool FindCommands::isFrameShown() const
{
    return !m_bar.FindFrame->isHidden();
}

void FindCommands::ShowFindFrame(int mode)
{
    // The TextBoard gives its height to the frame once, and takes it back once.
    const bool open = isFrameShown();
    if (mode == 1 && !open)
        openFrame();
    else if (mode != 1 && open)
        closeFrame();
}

void FindCommands::CloseFindButton_Click()
{
    m_commands.setChecked(QStringLiteral("EditFind"), false);
    ShowFindFrame(0);
    m_view.setFocus(Qt::OtherFocusReason);
}

void FindCommands::EditFindAgain_Click()
{
    if (!m_s.LastFindString().isEmpty())
        FindInTextBoard();
}

void FindCommands::FindNextButton_Click()
{
    m_s.setLastFindString(m_bar.FindString->text());
    m_commands.setEnabled(QStringLiteral("EditFindAgain"), true);
    FindInTextBoard();
}

void FindCommands::ClearFindButton_Click()
{
    m_bar.FindString->clear();
    m_bar.FindString->setFocus(Qt::OtherFocusReason);
}

void FindCommands::FindString_Change()
{
    const bool hasText = !m_bar.FindString->text().isEmpty();
    m_bar.ClearFindButton->setEnabled(hasText);
    m_bar.FindNextButton->setEnabled(hasText);
}

bool FindCommands::typeCharacter(const QString &character)
{
    if (!m_s.FindHasFocus())
        return false;
    QLineEdit *box = m_bar.FindString;
    box->setFocus(Qt::OtherFocusReason);
    if (box->text().size() - box->selectedText().size() + character.size() <= box->maxLength())
        box->insert(character);
    return true;
}

void FindCommands::followCharset(FontCharset from, FontCharset to)
{
    {
        const QSignalBlocker block(m_bar.FindString);
        const int caret = m_bar.FindString->cursorPosition();
        m_bar.FindString->setText(recodeText(m_bar.FindString->text(), from, to));
        m_bar.FindString->setCursorPosition(caret);
    }
    m_s.setLastFindString(recodeText(m_s.LastFindString(), from, to));
}

int FindCommands::findOptions() const
{
    int options = 0;
    if (m_bar.FindOpt[0]->isChecked())
        options |= RichTextBox::FindWholeWord;
    if (m_bar.FindOpt[1]->isChecked())
        options |= RichTextBox::FindMatchCase;
    return options;
}

void FindCommands::FindInTextBoard()
{
    RichTextBox &rtf = m_document.TextBoardRTF();
    // One past the selection start, so that repeating the search moves on to the next hit.
    const int start = m_view.SelStart() + 1;
    rtf.setText(m_view.Text());
    rtf.setSelStart(start);

    QString message = QStringLiteral("Word not found upto end of TextBoard.");
    std::optional<int> end;
    if (m_view.SelText().contains(QLatin1Char('\r'))) {
        message = QStringLiteral("Word not found within selection.");
        end = start + m_view.SelLength();
        rtf.setSelLength(m_view.SelLength());
    }

    const int hit = rtf.Find(m_s.LastFindString(), start, end, findOptions());
    if (hit <= -1) {
        QrvlMsg(QStringLiteral("\r\r\r") + withoutOuterBlanks(m_s.LastFindString()) + QStringLiteral("\r\r") + message,
                QStringLiteral("OK"), messageTitle(" Find Error"), false, 1, m_schemeColors);
    } else {
        m_view.setSelStart(hit);
        m_view.setSelLength(rtf.SelLength());
    }
    if (isFrameShown())
        m_bar.FindNextButton->setFocus(Qt::OtherFocusReason);
}

bool FindCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar.FindString)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_s.setFindHasFocus(true);
        break;
    case QEvent::FocusOut:
        m_s.setFindHasFocus(false);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter presses the button; a disabled button (empty box) does nothing.
            m_bar.FindNextButton->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

double FindCommands::frameAllowance() const
{
    return Twips::height(m_bar.FindFrame) + 2 * m_s.TwipsPerPixelY();
}

void FindCommands::setFindTabStops(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(m_bar.FindString), static_cast<QWidget *>(m_bar.FindOpt[0]),
                       static_cast<QWidget *>(m_bar.FindOpt[1]), static_cast<QWidget *>(m_bar.FindNextButton),
                       static_cast<QWidget *>(m_bar.CloseFindButton)})
        w->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void FindCommands::openFrame()
{
    const double height = Twips::height(&m_view) - frameAllowance();
    Twips::setHeight(&m_view, height);
    Twips::setTop(m_bar.FindFrame, Twips::top(&m_view) + height + 2 * m_s.TwipsPerPixelY());
    m_bar.FindFrame->show();
    setFindTabStops(true);
    Q_EMIT frameShown(true);

    m_bar.FindString->setText(m_view.SelText());
    m_bar.FindString->selectAll();
    m_bar.FindString->setFocus(Qt::OtherFocusReason);
}

void FindCommands::closeFrame()
{
    Twips::setHeight(&m_view, Twips::height(&m_view) + frameAllowance());
    m_bar.FindFrame->hide();
    setFindTabStops(false);
    Q_EMIT frameShown(false);
}

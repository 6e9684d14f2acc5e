#include "textboard/FindCommands.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardControls.h"
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

FindCommands::FindCommands(TextBoardControls &controls, TextBoardState &state, ActionCollection &commands,
                           RichTextBox &textBoardRTF, const FontMapColors &schemeColors, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_commands(commands)
    , m_rtf(textBoardRTF)
    , m_schemeColors(schemeColors)
{
    // The "Find" button and Edit > Find are one command: its check mark is the open frame.
    connect(m_commands.action(QStringLiteral("EditFind")), &QAction::triggered, this,
            [this](bool checked) { ShowFindFrame(checked ? 1 : 0); });
    m_commands.onTriggered(QStringLiteral("EditFindAgain"), this, &FindCommands::EditFindAgain_Click);
    connect(m_c.CloseFindButton, &QPushButton::clicked, this, &FindCommands::CloseFindButton_Click);
    connect(m_c.FindNextButton, &QPushButton::clicked, this, &FindCommands::FindNextButton_Click);
    connect(m_c.ClearFindButton, &QPushButton::clicked, this, &FindCommands::ClearFindButton_Click);
    connect(m_c.FindString, &QLineEdit::textChanged, this, &FindCommands::FindString_Change);
    m_c.FindString->installEventFilter(this);
    // Find Again has nothing to repeat until the first "Find Next".
    m_commands.setEnabled(QStringLiteral("EditFindAgain"), false);
    FindString_Change();
}

void FindCommands::ShowFindFrame(int mode)
{
    // The TextBoard gives its height to the frame once, and takes it back once.
    const bool open = !m_c.FindFrame->isHidden();
    if (mode == 1 && !open)
        openFrame();
    else if (mode != 1 && open)
        closeFrame();
}

void FindCommands::CloseFindButton_Click()
{
    m_commands.setChecked(QStringLiteral("EditFind"), false);
    ShowFindFrame(0);
    m_c.TextBoard->setFocus(Qt::OtherFocusReason);
}

void FindCommands::EditFindAgain_Click()
{
    if (!m_s.LastFindString.isEmpty())
        FindInTextBoard();
}

void FindCommands::FindNextButton_Click()
{
    m_s.LastFindString = m_c.FindString->text();
    m_commands.setEnabled(QStringLiteral("EditFindAgain"), true);
    FindInTextBoard();
}

void FindCommands::ClearFindButton_Click()
{
    m_c.FindString->clear();
    m_c.FindString->setFocus(Qt::OtherFocusReason);
}

void FindCommands::FindString_Change()
{
    const bool hasText = !m_c.FindString->text().isEmpty();
    m_c.ClearFindButton->setEnabled(hasText);
    m_c.FindNextButton->setEnabled(hasText);
}

int FindCommands::findOptions() const
{
    int options = 0;
    if (m_c.FindOpt[0]->isChecked())
        options |= RichTextBox::FindWholeWord;
    if (m_c.FindOpt[1]->isChecked())
        options |= RichTextBox::FindMatchCase;
    return options;
}

void FindCommands::FindInTextBoard()
{
    TextBoardEdit *board = m_c.TextBoard;
    // One past the selection start, so that repeating the search moves on to the next hit.
    const int start = board->SelStart() + 1;
    m_rtf.setText(board->Text());
    m_rtf.setSelStart(start);

    QString message = QStringLiteral("Word not found upto end of TextBoard.");
    std::optional<int> end;
    if (board->SelText().contains(QLatin1Char('\r'))) {
        message = QStringLiteral("Word not found within selection.");
        end = start + board->SelLength();
        m_rtf.setSelLength(board->SelLength());
    }

    const int hit = m_rtf.Find(m_s.LastFindString, start, end, findOptions());
    if (hit <= -1) {
        QrvlMsg(QStringLiteral("\r\r\r") + withoutOuterBlanks(m_s.LastFindString) + QStringLiteral("\r\r") + message,
                QStringLiteral("OK"), messageTitle(" Find Error"), false, 1, m_schemeColors);
    } else {
        board->setSelStart(hit);
        board->setSelLength(m_rtf.SelLength());
    }
    if (!m_c.FindFrame->isHidden())
        m_c.FindNextButton->setFocus(Qt::OtherFocusReason);
}

bool FindCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_c.FindString)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_s.FindHasFocus = true;
        break;
    case QEvent::FocusOut:
        m_s.FindHasFocus = false;
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter presses the button; a disabled button (empty box) does nothing.
            m_c.FindNextButton->click();
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
    return Twips::height(m_c.FindFrame) + 2 * m_s.TwipsPerPixelY;
}

void FindCommands::setFindTabStops(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(m_c.FindString), static_cast<QWidget *>(m_c.FindOpt[0]),
                       static_cast<QWidget *>(m_c.FindOpt[1]), static_cast<QWidget *>(m_c.FindNextButton),
                       static_cast<QWidget *>(m_c.CloseFindButton)})
        w->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void FindCommands::openFrame()
{
    const double height = Twips::height(m_c.TextBoard) - frameAllowance();
    Twips::setHeight(m_c.TextBoard, height);
    Twips::setTop(m_c.FindFrame, Twips::top(m_c.TextBoard) + height + 2 * m_s.TwipsPerPixelY);
    m_c.FindFrame->show();
    setFindTabStops(true);
    Q_EMIT frameShown(true);

    m_c.FindString->setText(m_c.TextBoard->SelText());
    m_c.FindString->selectAll();
    m_c.FindString->setFocus(Qt::OtherFocusReason);
}

void FindCommands::closeFrame()
{
    Twips::setHeight(m_c.TextBoard, Twips::height(m_c.TextBoard) + frameAllowance());
    m_c.FindFrame->hide();
    setFindTabStops(false);
    Q_EMIT frameShown(false);
}

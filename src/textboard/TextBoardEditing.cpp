#include "textboard/TextBoardEditing.h"

#include "core/GlobalDeclarations.h"
#include "platform/Clipboard.h"
#include "textboard/FindCommands.h"
#include "textboard/TextBoardControls.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/rules/ClipboardText.h"
#include "textboard/rules/FillMeter.h"
#include "textboard/rules/PasteRoom.h"
#include "textboard/rules/TextBoardCounters.h"
#include "textboard/rules/TextBoardFont.h"
#include "textboard/rules/TextBoardState.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/Message.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace {

QString cr(int times = 1)
{
    return QString(times, QLatin1Char('\r'));
}

// The Edit items whose shortcuts the TextBoard must leave to the menu.
constexpr const char *kShortcutItems[] = {"EditCut", "EditCopy", "EditPaste", "EditDelete", "EditSelectAll"};

QString text(const char *s)
{
    return QString::fromLatin1(s);
}

} // namespace

TextBoardEditing::TextBoardEditing(TextBoardEdit &view, const TextBoardCounterControls &counters, ToolBar &editBar,
                                   TextBoardState &state, ActionCollection &commands, Clipboard &clipboard,
                                   FindCommands &find, TextBoardFont &font, const FontMapColors &schemeColors,
                                   QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_counters(counters)
    , m_editBar(editBar)
    , m_s(state)
    , m_commands(commands)
    , m_clipboard(clipboard)
    , m_find(find)
    , m_font(font)
    , m_schemeColors(schemeColors)
{
    connect(&m_view, &TextBoardEdit::Change, this, &TextBoardEditing::TextBoard_Change);
    connect(&m_view, &TextBoardEdit::keyReleased, this, &TextBoardEditing::TextBoard_KeyUp);
    connect(&m_view, &TextBoardEdit::mouseReleased, this, &TextBoardEditing::TextBoard_MouseUp);
    m_commands.onTriggered(QStringLiteral("EditCut"), this, &TextBoardEditing::EditCut_Click);
    m_commands.onTriggered(QStringLiteral("EditCopy"), this, &TextBoardEditing::EditCopy_Click);
    m_commands.onTriggered(QStringLiteral("EditPaste"), this, &TextBoardEditing::EditPaste_Click);
    m_commands.onTriggered(QStringLiteral("EditDelete"), this, &TextBoardEditing::EditDelete_Click);
    m_commands.onTriggered(QStringLiteral("EditSelectAll"), this, &TextBoardEditing::EditSelectAll_Click);
    m_view.installEventFilter(this);

    // The board starts empty: nothing to save, find, cut or copy.
    setTextCommandsEnabled(false);
    UpdateEditCommands();
}

void TextBoardEditing::TextBoard_Change()
{
    const int length = m_view.length();
    m_counters.NoOfChars->setText(formatCharCount(length));
    m_counters.PercFilled->setText(formatPercentFilled(length, m_s.TBMaxLength()));
    UpdateProgress();

    const bool hasText = length > 0;
    setTextCommandsEnabled(hasText);
    if (!hasText && m_find.isFrameShown())
        m_find.CloseFindButton_Click();
}

void TextBoardEditing::TextBoard_KeyUp()
{
    UpdateEditCommands();
}

void TextBoardEditing::TextBoard_MouseUp()
{
    UpdateEditCommands();
}

void TextBoardEditing::UpdateProgress()
{
    const int count = m_view.length();
    if (const auto width = FillMeter::width(count, m_s.ProgressFullWidth(), m_s.TBMaxLength())) {
        Twips::setWidth(m_counters.ProgressFore, *width);
        m_counters.ProgressFore->show();
    } else {
        m_counters.ProgressFore->hide();
    }
    setBackColor(m_counters.ProgressFore, FillMeter::color(count, m_s.TBMaxLength()));
}

void TextBoardEditing::UpdateEditCommands()
{
    m_commands.setEnabled(QStringLiteral("EditSelectAll"), m_view.length() > 0);
    const bool selected = m_view.SelLength() > 0;
    m_editBar.setButtonEnabled(QStringLiteral("Cut"), selected);
    m_editBar.setButtonEnabled(QStringLiteral("Copy"), selected);
    m_commands.setEnabled(QStringLiteral("EditDelete"), selected);
    m_editBar.setButtonEnabled(QStringLiteral("Paste"), m_clipboard.hasText());
}

void TextBoardEditing::EditCut_Click()
{
    // With nothing selected there is nothing to cut, and the clipboard keeps what it holds.
    if (m_view.SelLength() > 0) {
        copySelection();
        m_view.setSelText(QString());
    }
    UpdateEditCommands();
}

void TextBoardEditing::EditCopy_Click()
{
    if (m_view.SelLength() > 0)
        copySelection();
    UpdateEditCommands();
}

void TextBoardEditing::EditPaste_Click()
{
    if (PasteRoom::boardIsFull(m_view.length(), m_view.SelLength(), m_s.TBMaxLength())) {
        QrvlMsg(cr(4) + QStringLiteral("Paste operation cannot be completed successfully.") + cr()
                    + QStringLiteral("The TextBoard is already filled to it's capacity."),
                QStringLiteral("OK"), messageTitle(" Paste Error"), false, 1, m_schemeColors);
        return;
    }
    // The Paste state may be older than the clipboard's content: with no text there,
    // the selection stays rather than being replaced with nothing.
    if (!m_clipboard.hasText()) {
        UpdateEditCommands();
        return;
    }

    const QString pasted = fromClipboardText(m_clipboard.text(), boardCharset());
    const int room = PasteRoom::room(m_view.length(), m_view.SelLength(), m_s.TBMaxLength());
    if (room >= pasted.size()) {
        pasteText(pasted);
        return;
    }
    QrvlMsg(cr() + QStringLiteral("Length of the text string you are trying to paste exceeds") + cr()
                + QStringLiteral("the maximum limit (61,440 characters) of the TextBoard.") + cr()
                + QStringLiteral("A partial paste upto the limit of the TextBoard is possible.") + cr(2)
                + QStringLiteral("Continue Paste?") + cr() + QStringLiteral("• Press Yes to paste partial string.")
                + cr() + QStringLiteral("• Press No to cancel paste."),
            QStringLiteral("YN"), messageTitle(" TextBoard Limit Warning"), false, 1, m_schemeColors);
    if (globals().gMsgResult)
        pasteText(PasteRoom::partialText(pasted, room));
}

void TextBoardEditing::EditDelete_Click()
{
    m_view.setSelText(QString());
    UpdateEditCommands();
}

void TextBoardEditing::EditSelectAll_Click()
{
    m_view.setSelStart(0);
    m_view.setSelLength(m_view.length());
}

void TextBoardEditing::typeCharacter(const QString &character)
{
    if (m_find.typeCharacter(character))
        return;
    m_view.setFocus(Qt::OtherFocusReason);
    m_view.setSelText(character);
}

bool TextBoardEditing::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyEvent = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != &m_view || !keyEvent || !isEditShortcut(static_cast<QKeyEvent *>(event)))
        return QObject::eventFilter(watched, event);
    // The box would take the Edit menu's shortcuts for its own cut, copy and paste, which
    // know nothing of the paste limit and its messages. It neither claims them (so the
    // menu's commands run) nor acts on them itself while a command is disabled.
    if (event->type() == QEvent::ShortcutOverride)
        event->ignore();
    return true;
}

FontCharset TextBoardEditing::boardCharset() const
{
    return m_font.charset();
}

void TextBoardEditing::setTextCommandsEnabled(bool enabled)
{
    for (const char *command :
         {"EditFind", "FileSave", "ToolsClear", "ToolsCopy", "ToolsCut", "ToolsPrint", "ToolsFS"})
        m_commands.setEnabled(text(command), enabled);
}

void TextBoardEditing::copySelection()
{
    m_clipboard.clear();
    m_clipboard.setText(toClipboardText(m_view.SelText(), boardCharset()));
}

void TextBoardEditing::pasteText(const QString &pasted)
{
    // The box refuses what it cannot hold; that is a failed paste, and the text stays.
    if (!m_view.setSelText(pasted)) {
        QrvlMsg(cr(2) + QStringLiteral("Paste operation cannot be completed successfully") + cr()
                    + QStringLiteral("because of memory constraints.") + cr(2)
                    + QStringLiteral("You may try to reduce the size of the") + cr()
                    + QStringLiteral("string on Windows Clipboard and try again."),
                QStringLiteral("OK"), messageTitle(" Paste Error"), false, 1, m_schemeColors);
        return;
    }
    UpdateEditCommands();
}

bool TextBoardEditing::isEditShortcut(const QKeyEvent *event) const
{
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const char *item : kShortcutItems) {
        if (m_commands.action(text(item))->shortcut() == pressed)
            return true;
    }
    return false;
}

#include "textboard/WholeTextTools.h"

#include "app/MainMenu.h"
#include "app/Message.h"
#include "app/QuorvilControls.h"
#include "app/ToolBar.h"
#include "app/rules/GlobalDeclarations.h"
#include "app/rules/MainState.h"
#include "fontmap/FontMapGrid.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "textboard/FindCommands.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardEditing.h"
#include "textboard/TextBoardFiles.h"
#include "textboard/rules/ClipboardText.h"

#include <QFrame>
#include <QPrinter>
#include <QStringList>
#include <QWidget>

namespace {

QString lines(const QStringList &parts)
{
    return parts.join(QLatin1Char('\r'));
}

QString title(const char *text)
{
    return globals().gAppName + QLatin1String(text);
}

const QString kDisplayCD = QStringLiteral("DisplayCD");
const QString kDisplayOW = QStringLiteral("DisplayOW");

} // namespace

WholeTextTools::WholeTextTools(QuorvilControls &controls, MainState &state, const Services &services,
                               CommonDialogProperties &cmnDlg, RichTextBox &textBoardRTF, TextBoardFiles &files,
                               FindCommands &find, TextBoardEditing &editing, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_services(services)
    , m_cmnDlg(cmnDlg)
    , m_rtf(textBoardRTF)
    , m_files(files)
    , m_find(find)
    , m_editing(editing)
    , m_window(window)
{
    connect(m_c.TBOperationsTB, &ToolBar::buttonClick, this, [this](const QString &key) {
        if (key == QLatin1String("CopyButton"))
            ToolsCopy_Click();
        else if (key == QLatin1String("CutButton"))
            ToolsCut_Click();
        else if (key == QLatin1String("PrintButton"))
            ToolsPrint_Click();
        else if (key == QLatin1String("ClearButton"))
            ToolsClear_Click();
    });
}

void WholeTextTools::registerCommands(CommandMap &commands)
{
    commands.insert(QStringLiteral("ToolsCopy"), [this] { ToolsCopy_Click(); });
    commands.insert(QStringLiteral("ToolsCut"), [this] { ToolsCut_Click(); });
    commands.insert(QStringLiteral("ToolsClear"), [this] { ToolsClear_Click(); });
    commands.insert(QStringLiteral("ToolsPrint"), [this] { ToolsPrint_Click(); });
}

void WholeTextTools::CopyTBToClipboard()
{
    Clipboard &clipboard = *m_services.clipboard;
    clipboard.clear();
    // The plain text travels as the Edit menu's copy sends it: the text's 8-bit codes with
    // the desktop's line breaks.
    const QString plain = toClipboardText(m_c.TextBoard->Text(), m_c.FMapContainer->charset());
    m_files.CopyTBFormatToRTF(true);
    clipboard.setTextWithRtf(plain, m_rtf.TextRTF());
}

void WholeTextTools::confirmClipboard(const char *boxTitle, const char *done)
{
    if (!m_c.menu->isChecked(kDisplayCD))
        return;
    QrvlMsg(QStringLiteral("\r\r\r\r") + QLatin1String(done), QStringLiteral("OK"), title(boxTitle), true, 1);
    m_c.menu->setChecked(kDisplayCD, !globals().gMsgDontDisplay);
}

void WholeTextTools::ToolsCopy_Click()
{
    CopyTBToClipboard();
    confirmClipboard(" Copy Successful", "TextBoard contents have been copied to Windows Clipboard.");
}

void WholeTextTools::ToolsCut_Click()
{
    CopyTBToClipboard();
    m_c.TextBoard->setText(QString());
    m_rtf.setText(QString());
    confirmClipboard(" Cut Successful", "TextBoard contents have been cut to Windows Clipboard.");
}

bool WholeTextTools::confirmUnload()
{
    const GlobalDeclarations &g = globals();
    if (m_s.TBChanged) {
        QrvlMsg(lines({QString(), QString(), QStringLiteral("Text on the TextBoard has been changed."),
                       QStringLiteral("You will lose these changes by unloading the TextBoard now."), QString(),
                       QStringLiteral("Continue Unloading?"), QStringLiteral("• Press Yes to continue unloading TextBoard."),
                       QStringLiteral("• Press No to cancel operation.")}),
                QStringLiteral("YN"), title(" TextBoard Save Warning"), false, 1);
        return g.gMsgResult;
    }
    if (!m_c.menu->isChecked(kDisplayOW))
        return true;
    QrvlMsg(lines({QString(), QString(), QStringLiteral("You have text on the TextBoard."),
                   QStringLiteral("You will lose this text by unloading the TextBoard now."), QString(),
                   QStringLiteral("Continue Unloading?"), QStringLiteral("• Press Yes to continue unloading TextBoard."),
                   QStringLiteral("• Press No to cancel operation.")}),
            QStringLiteral("YN"), title(" TextBoard Unload Warning"), true, 1);
    m_c.menu->setChecked(kDisplayOW, !g.gMsgDontDisplay);
    return g.gMsgResult;
}

void WholeTextTools::ToolsClear_Click()
{
    if (!confirmUnload())
        return;
    m_c.TextBoard->setText(QString());
    m_rtf.setText(QString());
    m_s.TBLoadedPath.clear();
    m_s.TBLoadedName.clear();
    m_window.setWindowTitle(globals().gAppName + QStringLiteral(" Version 3.0.0 RC2"));
    if (m_c.menu->isChecked(QStringLiteral("OptUnloadTD")))
        m_files.RestoreTBDefaults();
    if (!m_c.FindFrame->isHidden())
        m_find.CloseFindButton_Click();
    m_editing.UpdateEditCommands();
}

void WholeTextTools::ToolsPrint_Click()
{
    PrintTextBoard();
}

void WholeTextTools::PrintTextBoard()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Flags = CdlFlags::ReturnDC;
    if (m_c.TextBoard->SelLength() > 0)
        d.Flags |= CdlFlags::PrintSelection;
    d.hDC.reset();
    if (m_services.dialog->ShowPrinter(d) != DialogResult::Confirmed || !d.hDC)
        return;
    // The whole text is printed, whatever the dialog's range says.
    m_files.CopyTBFormatToRTF(true);
    if (m_rtf.SelPrint(*d.hDC))
        return;
    QrvlMsg(lines({QString(), QString(), QStringLiteral("The TextBoard contents could not be printed."), QString(),
                   QStringLiteral("Please check the printer and try again.")}),
            QStringLiteral("OK"), title(" Print Error"), false, 1);
}

#include "textboard/WholeTextTools.h"

#include "app/rules/ProductInfo.h"
#include "app/rules/Toggles.h"
#include "core/GlobalDeclarations.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Services.h"
#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardEditing.h"
#include "textboard/TextBoardFiles.h"
#include "textboard/rules/ClipboardText.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ActionCollection.h"
#include "widgets/Message.h"

#include <QPrinter>
#include <QStringList>

WholeTextTools::WholeTextTools(TextBoardDocument &document, TextBoardEdit &view, ActionCollection &commands,
                               const Services &services, CommonDialogProperties &cmnDlg, const Parts &parts,
                               QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_view(view)
    , m_services(services)
    , m_cmnDlg(cmnDlg)
    , m_files(parts.files)
    , m_editing(parts.editing)
    , m_font(parts.font)
    , m_toggles(parts.toggles)
    , m_schemeColors(parts.schemeColors)
{
    commands.onTriggered(QStringLiteral("ToolsCopy"), this, &WholeTextTools::ToolsCopy_Click);
    commands.onTriggered(QStringLiteral("ToolsCut"), this, &WholeTextTools::ToolsCut_Click);
    commands.onTriggered(QStringLiteral("ToolsClear"), this, &WholeTextTools::ToolsClear_Click);
    commands.onTriggered(QStringLiteral("ToolsPrint"), this, &WholeTextTools::ToolsPrint_Click);
}

void WholeTextTools::CopyTBToClipboard()
{
    Clipboard &clipboard = *m_services.clipboard;
    clipboard.clear();
    // The plain text travels as the Edit menu's copy sends it: the text's 8-bit codes with
    // the desktop's line breaks.
    const QString plain = toClipboardText(m_document.Text(), m_font.charset());
    m_files.CopyTBFormatToRTF(true);
    clipboard.setTextWithRtf(plain, m_document.TextBoardRTF().TextRTF());
}

void WholeTextTools::confirmClipboard(const char *boxTitle, const char *done)
{
    if (!m_toggles.isOn(Toggles::CopyConfirmation))
        return;
    QrvlMsg(QStringLiteral("\r\r\r\r") + QLatin1String(done), QStringLiteral("OK"), messageTitle(boxTitle), true, 1,
            m_schemeColors);
    m_toggles.set(Toggles::CopyConfirmation, !globals().gMsgDontDisplay);
}

void WholeTextTools::ToolsCopy_Click()
{
    CopyTBToClipboard();
    confirmClipboard(" Copy Successful", "TextBoard contents have been copied to Windows Clipboard.");
}

void WholeTextTools::ToolsCut_Click()
{
    CopyTBToClipboard();
    m_document.clear();
    confirmClipboard(" Cut Successful", "TextBoard contents have been cut to Windows Clipboard.");
}

bool WholeTextTools::confirmUnload()
{
    const GlobalDeclarations &g = globals();
    if (m_document.TBChanged()) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("Text on the TextBoard has been changed."),
                       QStringLiteral("You will lose these changes by unloading the TextBoard now."), QString(),
                       QStringLiteral("Continue Unloading?"), QStringLiteral("• Press Yes to continue unloading TextBoard."),
                       QStringLiteral("• Press No to cancel operation.")}),
                QStringLiteral("YN"), messageTitle(" TextBoard Save Warning"), false, 1, m_schemeColors);
        return g.gMsgResult;
    }
    if (!m_toggles.isOn(Toggles::OverwriteWarning))
        return true;
    QrvlMsg(messageText({QString(), QString(), QStringLiteral("You have text on the TextBoard."),
                   QStringLiteral("You will lose this text by unloading the TextBoard now."), QString(),
                   QStringLiteral("Continue Unloading?"), QStringLiteral("• Press Yes to continue unloading TextBoard."),
                   QStringLiteral("• Press No to cancel operation.")}),
            QStringLiteral("YN"), messageTitle(" TextBoard Unload Warning"), true, 1, m_schemeColors);
    m_toggles.set(Toggles::OverwriteWarning, !g.gMsgDontDisplay);
    return g.gMsgResult;
}

void WholeTextTools::ToolsClear_Click()
{
    if (!confirmUnload())
        return;
    m_document.clear();
    m_document.setLoadedFile(QString(), QString());
    Q_EMIT captionChanged(ProductInfo::caption());
    if (m_toggles.isOn(Toggles::RestoreAfterUnload))
        m_files.RestoreTBDefaults();
    // The emptied board has closed the find frame already.
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
    if (m_view.SelLength() > 0)
        d.Flags |= CdlFlags::PrintSelection;
    d.hDC.reset();
    if (m_services.dialog->ShowPrinter(d) != DialogResult::Confirmed || !d.hDC)
        return;
    // The whole text is printed, whatever the dialog's range says.
    m_files.CopyTBFormatToRTF(true);
    if (m_document.TextBoardRTF().SelPrint(*d.hDC))
        return;
    QrvlMsg(messageText({QString(), QString(), QStringLiteral("The TextBoard contents could not be printed."), QString(),
                   QStringLiteral("Please check the printer and try again.")}),
            QStringLiteral("OK"), messageTitle(" Print Error"), false, 1, m_schemeColors);
}

#include "textboard/FullScreenPreview.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "platform/DisplayService.h"
#include "textboard/TBPreview.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/rules/CarriedCaret.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ColorResolve.h"

FullScreenPreview::FullScreenPreview(TextBoardEdit &textBoard, const TextBoardFont &format, DisplayService &display,
                                     QWidget *window, QObject *parent)
    : QObject(parent)
    , m_textBoard(textBoard)
    , m_format(format)
    , m_display(display)
    , m_window(window)
{
}

void FullScreenPreview::followBoardFont(const QFont &board)
{
    m_boardFont = board;
}

void FullScreenPreview::ToolsFS_Click()
{
    globals().gTBCaret = m_textBoard.SelStart();
    const TextBoardLook look{m_boardFont, resolveColor(QBColor(m_format.colorIndex())), m_format.alignment()};
    {
        TBPreview preview(m_window);
        preview.ShowFullScreen(m_display.workArea(), m_textBoard.Text(), look);
    }
    m_textBoard.setSelStart(caretWithin(globals().gTBCaret, m_textBoard.length()));
}

#include "textboard/TextColorCommand.h"

#include "app/rules/GlobalDeclarations.h"
#include "app/rules/QBColors.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/ModalDialog.h"

TextColorCommand::TextColorCommand(ActionCollection &commands, TextBoardFont &font, TextBoardFormat &format,
                                   CoolBar *coolBarTB, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_font(font)
    , m_format(format)
    , m_coolBarTB(coolBarTB)
    , m_owner(owner)
{
    commands.onTriggered(QStringLiteral("FFontColor"), this, &TextColorCommand::ChooseTBColor);
}

void TextColorCommand::ChooseTBColor()
{
    GlobalDeclarations &g = globals();
    const int current = m_font.colorIndex();
    g.gColorIndex = current;
    g.gColorValue = colorValueText(QBColor(current));
    {
        TBColorPicker picker(m_owner);
        execModal(picker);
    }
    if (g.gColorIndex == current || g.gColorIndex < 0 || g.gColorIndex > 15)
        return;
    // The name is the program's own for the colour ("Grey"), not the picker's cell name.
    m_format.SetTBForeColor(QBColor(g.gColorIndex));
    m_coolBarTB->update();
}

#include "textboard/TextColorCommand.h"

#include "core/QBColors.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"

TextColorCommand::TextColorCommand(ActionCollection &commands, TextBoardFont &font, TextBoardFormat &format,
                                   CoolBar *coolBarTB, const FontMapColors &schemeColors, QWidget *owner,
                                   QObject *parent)
    : QObject(parent)
    , m_font(font)
    , m_format(format)
    , m_coolBarTB(coolBarTB)
    , m_schemeColors(schemeColors)
    , m_owner(owner)
{
    commands.onTriggered(QStringLiteral("FFontColor"), this, &TextColorCommand::ChooseTBColor);
}

void TextColorCommand::ChooseTBColor()
{
    const std::optional<int> picked = pickTextColor(m_font.colorIndex(), m_schemeColors, m_owner);
    if (!picked)
        return;
    // The name is the program's own for the colour ("Grey"), not the picker's cell name.
    m_format.SetTBForeColor(QBColor(*picked));
    m_coolBarTB->update();
}

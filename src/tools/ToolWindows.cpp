#include "tools/ToolWindows.h"

#include "fontmap/FontChoice.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/rules/TextBoardFont.h"
#include "tools/FontBrowser.h"
#include "tools/Keyboard.h"
#include "widgets/ActionCollection.h"
#include "widgets/ModalDialog.h"

ToolWindows::ToolWindows(ActionCollection &commands, const Services &services, TextBoardFont &font,
                         FontChoice &choice, TextBoardFormat &format, const FontMapColors &schemeColors,
                         QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_font(font)
    , m_choice(choice)
    , m_format(format)
    , m_schemeColors(schemeColors)
    , m_window(window)
{
    commands.onTriggered(QStringLiteral("ToolsKB"), this, &ToolWindows::ToolsKB_Click);
    commands.onTriggered(QStringLiteral("ToolsFB"), this, &ToolWindows::ToolsFB_Click);
}

void ToolWindows::ToolsKB_Click()
{
    Keyboard keyboard(m_services, m_choice.fontListEntries(), m_schemeColors, m_window);
    keyboard.SetupKeyboard(m_choice.fontIndex(), m_font.name(), m_font.size());
    execModal(keyboard);
    takeFont(keyboard.chosenFontName());
}

void ToolWindows::ToolsFB_Click()
{
    FontBrowser browser(m_services, m_choice.fontListEntries(), m_schemeColors, m_window);
    browser.FontNameXchg(m_choice.fontIndex(), m_choice.chosenName());
    execModal(browser);
    takeFont(browser.chosenFontName());
}

void ToolWindows::takeFont(const std::optional<QString> &chosen)
{
    if (chosen)
        m_font.setName(*chosen);
    if (m_choice.boxText() != m_font.name())
        m_choice.SelectFontInCombo(m_font.name());
    m_format.ApplyTBFont();
}

#include "app/rules/Toggles.h"

#include "core/GlobalDeclarations.h"

Toggles::Toggles(QObject *parent)
    : QObject(parent)
{
    globals().gToolTips = m_on[ToolTips];
    globals().gColorScheme = m_on[ColorScheme];
}

void Toggles::set(Option option, bool on)
{
    if (m_on[option] == on)
        return;
    m_on[option] = on;
    if (option == ToolTips)
        globals().gToolTips = on;
    else if (option == ColorScheme)
        globals().gColorScheme = on;
    Q_EMIT changed(option, on);
}

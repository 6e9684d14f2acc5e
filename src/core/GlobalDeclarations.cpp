#include "core/GlobalDeclarations.h"

namespace {

GlobalDeclarations *current = nullptr;

} // namespace

GlobalDeclarations::GlobalDeclarations()
    : m_previous(current)
{
    current = this;
}

GlobalDeclarations::~GlobalDeclarations()
{
    // Most end in the reverse order of their beginnings, as scopes and members do; one that
    // ends before a newer one (a test's fixture replaced by the next) leaves the newer current.
    GlobalDeclarations **link = &current;
    while (*link && *link != this)
        link = &(*link)->m_previous;
    if (*link)
        *link = m_previous;
}

GlobalDeclarations &globals()
{
    if (!current)
        qFatal("No program state: the program's main constructs one before any window.");
    return *current;
}

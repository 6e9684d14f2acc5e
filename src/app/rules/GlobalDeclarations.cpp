#include "app/rules/GlobalDeclarations.h"

GlobalDeclarations &globals()
{
    static GlobalDeclarations instance;
    return instance;
}

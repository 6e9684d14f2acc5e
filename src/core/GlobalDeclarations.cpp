#include "core/GlobalDeclarations.h"

GlobalDeclarations &globals()
{
    static GlobalDeclarations instance;
    return instance;
}

#include "platform/PlatformSetup.h"

void preparePlatform()
{
}

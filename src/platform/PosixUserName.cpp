#include "platform/PosixUserName.h"

#include <pwd.h>
#include <unistd.h>

QString PosixUserName::loginName()
{
    if (const passwd *entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

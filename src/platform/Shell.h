#pragma once

#include <QString>

// Hands a document, a web page or a mail address to the desktop. Failures are silent.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString &target) = 0;
};

#pragma once

#include <QString>

// The name the user logged in with.
class UserName
{
public:
    virtual ~UserName() = default;
    virtual QString loginName() = 0;
};

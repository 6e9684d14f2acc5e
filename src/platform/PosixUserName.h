#pragma once

#include "platform/UserName.h"

class PosixUserName final : public UserName
{
public:
    QString loginName() override;
};

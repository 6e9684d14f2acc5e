#pragma once

#include "platform/Shell.h"

class DesktopShell final : public Shell
{
public:
    void open(const QString &target) override;
};

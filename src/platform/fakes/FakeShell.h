#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records what the program asked the desktop to open.
class FakeShell final : public Shell
{
public:
    void open(const QString &target) override { m_opened.append(target); }
    const QStringList &opened() const { return m_opened; }

private:
    QStringList m_opened;
};

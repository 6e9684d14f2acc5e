#pragma once

#include "platform/UserName.h"

class FakeUserName final : public UserName
{
public:
    explicit FakeUserName(QString name = QStringLiteral("ann")) : m_name(std::move(name)) {}
    QString loginName() override { return m_name; }

private:
    QString m_name;
};

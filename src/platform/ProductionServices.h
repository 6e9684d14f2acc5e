#pragma once

#include "platform/Services.h"

#include <memory>

// Owns the production implementation of every platform service.
class ProductionServices final
{
public:
    ProductionServices();
    ~ProductionServices();

    const Services &services() const { return m_services; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    Services m_services;
};

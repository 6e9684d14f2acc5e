#include "platform/ProductionServices.h"

struct ProductionServices::Impl
{
};

ProductionServices::ProductionServices()
    : m_impl(std::make_unique<Impl>())
{
}

ProductionServices::~ProductionServices() = default;

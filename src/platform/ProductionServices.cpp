#include "platform/ProductionServices.h"

#include "platform/DesktopShell.h"
#include "platform/FsFileChecks.h"
#include "platform/PosixUserName.h"
#include "platform/QtDisplay.h"

struct ProductionServices::Impl
{
    QtDisplay display;
    FsFileChecks fileChecks;
    PosixUserName userName;
    DesktopShell shell;
};

ProductionServices::ProductionServices()
    : m_impl(std::make_unique<Impl>())
{
    m_services.display = &m_impl->display;
    m_services.fileChecks = &m_impl->fileChecks;
    m_services.userName = &m_impl->userName;
    m_services.shell = &m_impl->shell;
}

ProductionServices::~ProductionServices() = default;

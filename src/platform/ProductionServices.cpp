#include "platform/ProductionServices.h"

#include "platform/Clipboard.h"
#include "platform/CommonDialogQt.h"
#include "platform/DesktopShell.h"
#include "platform/FcFontCatalog.h"
#include "platform/FtCodePage.h"
#include "platform/FileRegistry.h"
#include "platform/FsFileChecks.h"
#include "platform/PosixUserName.h"
#include "platform/QtDisplay.h"
#include "platform/XkbKeyboardLocks.h"

struct ProductionServices::Impl
{
    QtDisplay display;
    FsFileChecks fileChecks;
    PosixUserName userName;
    DesktopShell shell;
    FileRegistry registry;
    FcFontCatalog fonts;
    FtCodePage codePage{fonts};
    QtCommonDialog dialog{fonts, shell};
    SystemClipboard clipboard;
    XkbKeyboardLocks keyboardLocks;
};

ProductionServices::ProductionServices()
    : m_impl(std::make_unique<Impl>())
{
    m_services.display = &m_impl->display;
    m_services.fileChecks = &m_impl->fileChecks;
    m_services.userName = &m_impl->userName;
    m_services.shell = &m_impl->shell;
    m_services.registry = &m_impl->registry;
    m_services.fonts = &m_impl->fonts;
    m_services.codePage = &m_impl->codePage;
    m_services.dialog = &m_impl->dialog;
    m_services.clipboard = &m_impl->clipboard;
    m_services.keyboardLocks = &m_impl->keyboardLocks;
}

ProductionServices::~ProductionServices() = default;

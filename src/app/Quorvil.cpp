#include "app/Quorvil.h"

Quorvil::Quorvil(const Services &services, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_arguments(arguments)
{
    setObjectName(QStringLiteral("Quorvil"));
}

Quorvil::~Quorvil() = default;

bool Quorvil::start()
{
    setWindowTitle(QStringLiteral("Quorvil"));
    show();
    return true;
}

#pragma once

#include "platform/Services.h"

#include <QMainWindow>
#include <QStringList>

// The main window: the composition root of the program's regions and subsystems.
class Quorvil final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Quorvil)

public:
    Quorvil(const Services &services, const QStringList &arguments, QWidget *parent = nullptr);
    ~Quorvil() override;

    // Runs the start-up; false when the program ended during it.
    bool start();

private:
    Services m_services;
    QStringList m_arguments;
};

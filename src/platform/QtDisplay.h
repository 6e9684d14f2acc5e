#pragma once

#include "platform/DisplayService.h"

class QScreen;

// The primary screen as Qt reports it.
class QtDisplay final : public DisplayService
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtDisplay)

public:
    explicit QtDisplay(QObject *parent = nullptr);

    int screenWidth() const override;
    double twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
    QRectF workArea() const override;

private:
    void watch(QScreen *screen);
};

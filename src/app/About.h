#pragma once

#include <QDialog>

class QLabel;

// The About box: closes on any key or a click on its background.
class About final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(About)

public:
    explicit About(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_background = nullptr;
};

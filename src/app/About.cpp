#include "app/About.h"

#include "app/rules/ProductInfo.h"
#include "core/GlobalDeclarations.h"
#include "widgets/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

QLabel *line(QWidget *parent, const char *name, const QString &text, const QRectF &twips, int points,
             bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QFont f(QStringLiteral("Verdana"), points);
    f.setBold(bold);
    l->setFont(f);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(l, twips);
    return l;
}

} // namespace

About::About(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Quorvil"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::toQt(5400), Twips::toQt(3000));

    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("Background"));
    // The box a click closes, read as the box it is.
    m_background->setAccessibleName(windowTitle());
    m_background->setFrameShape(QFrame::Panel);
    m_background->setFrameShadow(QFrame::Sunken);
    Twips::place(m_background, QRectF(60, 60, 5280, 2880));
    m_background->installEventFilter(this);

    line(this, "QuorvilName", globals().gAppName, QRectF(120, 300, 5160, 600), 20, true);
    line(this, "QuorvilVer", ProductInfo::versionText(), QRectF(120, 900, 5160, 300), 9);
    line(this, "Label2", ProductInfo::dedication(), QRectF(120, 1400, 5160, 600), 8);
    line(this, "Label5", QStringLiteral("Press any key or click on box to continue..."),
         QRectF(120, 2400, 5160, 300), 8);
}

void About::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    accept();
}

bool About::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_background && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

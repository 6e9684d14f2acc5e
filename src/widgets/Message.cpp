#include "widgets/Message.h"

#include "widgets/ModalDialog.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontMapColors.h"
#include "widgets/ColorResolve.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace {

// Design of the box, in twips.
constexpr QRectF kClientArea(0, 0, 5475, 2385);
constexpr QRectF kMessageArea(15, 60, 5445, 1845);
constexpr QRectF kButton1(2790, 1950, 1290, 330);
constexpr QRectF kButton2(4140, 1950, 1290, 330);
constexpr QRectF kDisplayAgainCheck(105, 1980, 2055, 270);
// More than the message area can show in any font: longer lines are not measured.
constexpr qsizetype kMostShown = 4096;

QFont messageFont()
{
    return QFont(QStringLiteral("Verdana"), 8);
}

// Whether the lines show whole in the message area, wrapped as its label wraps them.
bool fitsMessageArea(const QStringList &lines)
{
    const QString text = lines.join(QLatin1Char('\n'));
    if (text.size() > kMostShown)
        return false;
    const QRect wide(0, 0, Twips::toQt(kMessageArea.width()), 1 << 20);
    const QRect needed = QFontMetrics(messageFont()).boundingRect(wide, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    return needed.height() <= Twips::toQt(kMessageArea.height());
}

// The keys that produce a character (the ones a classic key-press event reports):
// printable keys, Enter, Esc and Backspace; not Tab, arrows or modifiers alone.
bool isKeyPress(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return !key->text().isEmpty();
    }
}

} // namespace

Message::Message(const FontMapColors &schemeColors, QWidget *parent)
    : QDialog(parent)
    , m_schemeColors(schemeColors)
{
    setObjectName(QStringLiteral("Message"));
    setWindowTitle(QStringLiteral("Message"));
    setFont(messageFont());
    setFixedSize(Twips::toQt(kClientArea.width()), Twips::toQt(kClientArea.height()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_messageArea = new QLabel(this);
    m_messageArea->setObjectName(QStringLiteral("MessageArea"));
    m_messageArea->setTextFormat(Qt::PlainText);
    m_messageArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_messageArea->setWordWrap(true);
    Twips::place(m_messageArea, kMessageArea);

    m_button1 = new QPushButton(QStringLiteral("Ok"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    Twips::place(m_button1, kButton1);

    m_button2 = new QPushButton(QStringLiteral("No"), this);
    m_button2->setObjectName(QStringLiteral("Button2"));
    Twips::place(m_button2, kButton2);

    m_displayAgainCheck = new QCheckBox(QStringLiteral("Do not display again"), this);
    m_displayAgainCheck->setObjectName(QStringLiteral("DisplayAgainCheck"));
    m_displayAgainCheck->setToolTip(QStringLiteral("Check not to display this message again"));
    Twips::place(m_displayAgainCheck, kDisplayAgainCheck);

    connect(m_button1, &QPushButton::clicked, this, &Message::Button1_Click);
    connect(m_button2, &QPushButton::clicked, this, &Message::Button2_Click);
    connect(m_displayAgainCheck, &QCheckBox::clicked, this, &Message::DisplayAgainCheck_Click);

    // The form sees key presses before its controls.
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_button1),
                       static_cast<QWidget *>(m_button2), static_cast<QWidget *>(m_displayAgainCheck)})
        w->installEventFilter(this);
}

void Message::setup(const QString &msg, const QString &buttons, const QString &title,
                    bool showDontDisplay, int focusButton)
{
    GlobalDeclarations &g = globals();
    g.gMsgResult = false;
    g.gMsgDontDisplay = false;
    g.gMsgIsOK = (buttons == QLatin1String("OK"));

    if (g.gColorScheme) {
        QPalette palette = m_messageArea->palette();
        palette.setColor(QPalette::WindowText, resolveColor(m_schemeColors.fore().color));
        palette.setColor(QPalette::Window, resolveColor(m_schemeColors.back().color));
        m_messageArea->setPalette(palette);
        m_messageArea->setAutoFillBackground(true);
    }

    setWindowTitle(title);
    // Lines are joined by carriage returns, as the callers write them.
    QString shown = msg;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_messageArea->setText(shown);

    if (buttons == QLatin1String("OK")) {
        m_button1->setText(QStringLiteral("Ok"));
        Twips::setLeft(m_button1, kButton2.left());
        m_button2->hide();
    } else if (buttons == QLatin1String("YN")) {
        m_button1->setText(QStringLiteral("Yes"));
        m_button2->setText(QStringLiteral("No"));
        m_button2->show();
    }

    m_focusButton = (focusButton == 1) ? m_button1 : m_button2;
    QPushButton *second = (m_focusButton == m_button1) ? m_button2 : m_button1;
    setTabOrder(m_focusButton, second);
    setTabOrder(second, m_displayAgainCheck);

    m_displayAgainCheck->setChecked(false);
    m_displayAgainCheck->setVisible(showDontDisplay);
}

void Message::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_focusButton && m_focusButton->isVisible())
        m_focusButton->setFocus(Qt::OtherFocusReason);
}

bool Message::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (globals().gMsgIsOK) {
        if (!isKeyPress(key))
            return false;
        reject();
        return true;
    }
    // A Yes/No box has no cancel: Esc must not close it.
    return key->key() == Qt::Key_Escape;
}

void Message::Button1_Click()
{
    globals().gMsgResult = true;
    accept();
}

void Message::Button2_Click()
{
    globals().gMsgResult = false;
    reject();
}

void Message::DisplayAgainCheck_Click()
{
    globals().gMsgDontDisplay = m_displayAgainCheck->isChecked();
}

void QrvlMsg(const QString &Msg, const QString &Buttons, const QString &Title, bool ShowDontDisplay,
             int FocusButton, const FontMapColors &schemeColors)
{
    Message box(schemeColors, QApplication::activeWindow());
    box.setup(Msg, Buttons, Title, ShowDontDisplay, FocusButton);
    execModal(box);
}

void QrvlMsgOK(const QStringList &lines, const QString &Title, const FontMapColors &schemeColors)
{
    QrvlMsg(messageText(lines), QStringLiteral("OK"), Title, false, 1, schemeColors);
}

QStringList fitMessageLines(QStringList lines)
{
    if (lines.isEmpty() || fitsMessageArea(lines))
        return lines;
    const auto longest = std::max_element(lines.cbegin(), lines.cend(),
                                          [](const QString &a, const QString &b) { return a.size() < b.size(); });
    const qsizetype index = longest - lines.cbegin();
    const QString line = *longest;
    const auto cutAt = [&](qsizetype keep) {
        // A character made of two units is kept whole or left out whole.
        if (keep > 0 && line.at(keep - 1).isHighSurrogate())
            --keep;
        QStringList shown = lines;
        shown[index] = line.left(keep) + QChar(0x2026);
        shown.insert(index + 1, QStringLiteral("(") + QLocale(QLocale::English).toString(line.size() - keep)
                                    + QStringLiteral(" more characters)"));
        return shown;
    };
    // The most that fits: a binary search over the length kept.
    qsizetype low = 0;
    qsizetype high = std::min(line.size() - 1, kMostShown);
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fitsMessageArea(cutAt(middle)))
            low = middle;
        else
            high = middle - 1;
    }
    return cutAt(low);
}

QString messageText(const QStringList &lines)
{
    return lines.join(QLatin1Char('\r'));
}

QString messageTitle(const char *kind)
{
    return globals().gAppName + QLatin1String(kind);
}

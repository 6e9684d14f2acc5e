#include "widgets/ComboLetterJump.h"

#include <QComboBox>
#include <QKeyEvent>

#include <algorithm>

namespace {

bool isLetter(int keyAscii)
{
    return (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
}

} // namespace

ComboLetterJump::ComboLetterJump(QComboBox *combo, std::function<int()> count, std::function<int()> current,
                                 std::function<void()> chosen, QObject *parent)
    : QObject(parent)
    , m_combo(combo)
    , m_count(std::move(count))
    , m_current(std::move(current))
    , m_chosen(std::move(chosen))
{
    m_combo->installEventFilter(this);
}

void ComboLetterJump::keyPress(int keyAscii)
{
    if (!isLetter(keyAscii)) {
        m_combo->setCurrentIndex(m_current());
        return;
    }
    const QChar typed = QChar(keyAscii).toUpper();
    const int count = std::min(m_count(), m_combo->count());
    for (int i = 0; i < count; ++i) {
        const QString text = m_combo->itemText(i);
        if (!text.isEmpty() && text.at(0).toUpper() == typed) {
            m_combo->setCurrentIndex(i);
            break;
        }
    }
    m_chosen();
}

bool ComboLetterJump::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_combo || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    const QChar ch = key->text().at(0);
    keyPress(ch.unicode());
    return ch.isPrint();
}

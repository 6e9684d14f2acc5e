#include "widgets/FontNameBox.h"

#include "widgets/Pictures.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QStandardItemModel>

#include <algorithm>

namespace FontNameBox {

void fill(QComboBox *box, const FontListEntries &entries)
{
    // All rows go in at once: adding a thousand items one by one signals a thousand times.
    const QIcon trueType = Pictures::icon(QStringLiteral("imlMainTBIcons"), QStringLiteral("TT"));
    const QIcon other = Pictures::icon(QStringLiteral("imlMainTBIcons"), QStringLiteral("SF"));
    // A combo box keeps its items in a standard item model of its own.
    auto *model = qobject_cast<QStandardItemModel *>(box->model());
    Q_ASSERT(model);
    box->clear();
    QList<QStandardItem *> items;
    items.reserve(entries.size());
    for (const FontListEntry &entry : entries) {
        auto *item = new QStandardItem(entry.isTrueType() ? trueType : other, entry.faceName());
        item->setData(entry.imageKey(), kImageKeyRole);
        items.append(item);
    }
    model->invisibleRootItem()->appendRows(items);
}

int initialLetterItem(const QComboBox *box, int count, int keyAscii)
{
    QList<QString> names;
    const int n = std::min(count, box->count());
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names.append(box->itemText(i));
    return initialLetterIndex(names, keyAscii);
}

} // namespace FontNameBox

FontNameKeyPress::FontNameKeyPress(QComboBox *box, Handler handler)
    : QObject(box)
    , m_box(box)
    , m_handler(std::move(handler))
{
    m_box->installEventFilter(this);
}

bool FontNameKeyPress::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    const QChar ch = key->text().at(0);
    m_handler(ch.unicode());
    return ch.isPrint();
}

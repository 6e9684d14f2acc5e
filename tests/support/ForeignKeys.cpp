#include "support/ForeignKeys.h"

#include "core/RegistryTree.h"
#include "platform/RegeditFormat.h"

QByteArray withForeignKeys(const QByteArray &store, int count, int valueLength)
{
    RegeditParse parsed = parseRegedit(store);
    Q_ASSERT(parsed.tree);
    RegistryTree &tree = *parsed.tree;
    for (int i = 0; i < count; ++i) {
        const QString key = QStringLiteral("Software\\Vendor%1\\Key%2").arg(i % 100).arg(i, 5, 10, QLatin1Char('0'));
        tree.mergeKey(key, {{QStringLiteral("Value"), {REG_SZ, QByteArray(valueLength, 'v')}}});
    }
    return writeRegedit(tree);
}

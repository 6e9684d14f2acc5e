#include "fontmap/rules/CodeTable.h"

#include <cmath>

QString Bin(qint32 value)
{
    // The weight starts at 2^31 - 1 and halves with rounding to even, so it runs
    // 2^31 - 1, 2^30, 2^29, ..., 1 and then 0.5 rounds to 0, ending the loop.
    QString result;
    double weight = 2147483647.0;
    double rest = value;
    while (weight >= 1) {
        if (rest - weight < 0) {
            if (result.contains(QLatin1Char('1')))
                result.append(QLatin1Char('0'));
        } else {
            rest -= weight;
            result.append(QLatin1Char('1'));
        }
        weight = std::nearbyint(weight / 2);
    }
    return result;
}

void CodeTable::clear()
{
    for (auto &row : m_rows) {
        for (QString &text : row)
            text.clear();
    }
}

CodeTable::Row CodeTable::rowOf(int code, const QString &keyStroke)
{
    return {QString::number(code), QString::number(code, 16).toUpper(), QString::number(code, 8), Bin(code),
            keyStroke};
}

void CodeTable::fillCustomMap(const CustomMapCells &cells, FontCharset charset)
{
    clear();
    int ctrl = 1;
    for (int i = 0; i < kCells; ++i) {
        const int code = cells[i];
        if (code == 0)
            continue;
        const QString keyStroke = code == 127 || code == 128
                                      ? QStringLiteral("Ctrl+") + QString::number(ctrl++)
                                      : standardKeyStroke(code, QString(charForCode(quint8(code), charset)));
        fillRow(i, code, keyStroke);
    }
}

QString standardKeyStroke(int code, const QString &caption)
{
    if (code == 32)
        return QStringLiteral("Space Bar");
    if (code <= 126)
        return caption;
    return QStringLiteral("Alt+0") + QString::number(code);
}

QString describeCode(const QString &caption, const CodeTable::Row &row)
{
    if (row[CodeTable::Decimal].isEmpty())
        return QString();
    return QStringLiteral("%1, Dec %2, Hex %3, %4")
        .arg(caption, row[CodeTable::Decimal], row[CodeTable::Hexadecimal], row[CodeTable::KeyStroke]);
}

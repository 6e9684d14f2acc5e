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

void CodeTable::fillRow(int cell, int code, const QString &keyStroke)
{
    auto &row = m_rows[cell];
    row[Decimal] = QString::number(code);
    row[Hexadecimal] = QString::number(code, 16).toUpper();
    row[Octal] = QString::number(code, 8);
    row[Binary] = Bin(code);
    row[KeyStroke] = keyStroke;
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

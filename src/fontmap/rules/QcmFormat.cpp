#include "fontmap/rules/QcmFormat.h"

#include "fontmap/rules/FontSizeRules.h"

#include <QLocale>

#include <bitset>
#include <cmath>
#include <limits>

namespace {

constexpr int kRecords = 224;
constexpr char kQuote = '"';
constexpr quint8 kQuoteCode = 34;
const QByteArray kQuoteField = QByteArrayLiteral("xx");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isSeparator(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// Reads the fields of the stream one by one. A field ends at a comma or a line end;
// CR LF counts as one line end, so a record ended by CR LF, CR or LF reads alike.
class FieldReader final
{
public:
    explicit FieldReader(const QByteArray &bytes)
        : m_p(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
    {
    }

    enum class Status { Ok, NoField, OpenQuote };

    Status next(QByteArray &text)
    {
        while (m_p < m_end && isBlank(*m_p))
            ++m_p;
        if (m_p == m_end)
            return Status::NoField;
        if (*m_p == kQuote) {
            const char *open = ++m_p;
            while (m_p < m_end && *m_p != kQuote)
                ++m_p;
            if (m_p == m_end)
                return Status::OpenQuote;
            text = QByteArray(open, m_p - open);
            // Anything between the closing quote and the separator is not part of the field.
            while (m_p < m_end && !isSeparator(*m_p))
                ++m_p;
        } else {
            const char *start = m_p;
            while (m_p < m_end && !isSeparator(*m_p))
                ++m_p;
            const char *last = m_p;
            while (last > start && isBlank(last[-1]))
                --last;
            text = QByteArray(start, last - start);
        }
        skipSeparator();
        return Status::Ok;
    }

private:
    void skipSeparator()
    {
        if (m_p == m_end)
            return;
        const char c = *m_p++;
        if (c == '\r' && m_p < m_end && *m_p == '\n')
            ++m_p;
    }

    const char *m_p;
    const char *m_end;
};

// A decimal number, with a fraction or an exponent if written so, read into the field's 32-bit
// whole number as numeric text is: to the nearest, a half to the even one. Nothing for text that
// is not a number or a number beyond 32 bits.
std::optional<qint32> toNumber(const QByteArray &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(text), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The halves at the ends round to the even neighbour: -2^31 - 0.5 fits, 2^31 - 0.5 does not.
    constexpr double kLowest = double(std::numeric_limits<qint32>::min()) - 0.5;
    constexpr double kBeyond = double(std::numeric_limits<qint32>::max()) + 0.5;
    if (value < kLowest || value >= kBeyond)
        return std::nullopt;
    return qint32(FontSizeRules::roundHalfEven(value));
}

QcmFormat::ReadResult refuse(QString reason)
{
    return {std::nullopt, std::move(reason)};
}

QString recordReason(int record, const char *what)
{
    return QStringLiteral("record %1: %2").arg(record).arg(QLatin1String(what));
}

} // namespace

namespace QcmFormat {

ReadResult parse(const QByteArray &bytes)
{
    if (bytes.size() > kMaxFileBytes)
        return refuse(QStringLiteral("longer than %1 bytes").arg(kMaxFileBytes));

    FieldReader reader(bytes);
    CustomMapCells cells{};
    std::bitset<256> used;
    QByteArray number;
    QByteArray text;
    for (int i = 0; i < kRecords; ++i) {
        const int record = i + 1;
        FieldReader::Status status = reader.next(number);
        if (status == FieldReader::Status::Ok)
            status = reader.next(text);
        if (status == FieldReader::Status::NoField)
            return refuse(recordReason(record, "missing"));
        if (status == FieldReader::Status::OpenQuote)
            return refuse(recordReason(record, "quote not closed"));
        const std::optional<qint32> n = toNumber(number);
        if (!n)
            return refuse(recordReason(record, "number field is not a number"));
        if (text.isEmpty())
            continue;
        if (*n != record)
            return refuse(recordReason(record, "numbered out of place"));
        const quint8 code = text == kQuoteField ? kQuoteCode : quint8(text.front());
        if (code < 32)
            return refuse(recordReason(record, "character below code 32"));
        if (used.test(code))
            return refuse(recordReason(record, "character already in an earlier cell"));
        used.set(code);
        cells[i] = code;
    }
    return {cells, QString()};
}

QByteArray serialize(const CustomMapCells &cells)
{
    QByteArray bytes;
    bytes.reserve(kRecords * 10);
    for (int i = 0; i < kRecords; ++i) {
        bytes.append(QByteArray::number(i + 1));
        bytes.append(',');
        bytes.append(kQuote);
        if (cells[i] == kQuoteCode)
            bytes.append(kQuoteField);
        else if (cells[i] != 0)
            bytes.append(char(cells[i]));
        bytes.append(kQuote);
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace QcmFormat

#include "core/FileNames.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // + a byte from 0x80 to 0xFF

// The length of the valid UTF-8 sequence at the start of `bytes` (its lead byte not ASCII),
// or 0 when it is not one: no overlong form, no surrogate, nothing above U+10FFFF.
qsizetype sequenceLength(QByteArrayView bytes, char32_t &codePoint)
{
    const auto at = [&bytes](qsizetype i) { return quint8(bytes.at(i)); };
    const quint8 lead = at(0);
    qsizetype length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((at(i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (at(i) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool isEscape(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const quint8 byte = quint8(bytes.at(i));
        if (byte < 0x80) {
            name.append(QChar(char16_t(byte)));
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        if (const qsizetype length = sequenceLength(bytes.sliced(i), codePoint)) {
            const char32_t one[] = {codePoint};
            name.append(QString::fromUcs4(one, 1));
            i += length;
        } else {
            name.append(QChar(char16_t(kEscapeBase + byte)));
            ++i;
        }
    }
    return name;
}

QByteArray encodeFileName(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            bytes.append(name.sliced(runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        // The low half of a surrogate pair is a character's, not an escaped byte.
        const bool paired = i > 0 && QChar::isHighSurrogate(name.at(i - 1).unicode());
        if (!isEscape(unit) || paired)
            continue;
        flushRun(i);
        bytes.append(char(unit - kEscapeBase));
        runStart = i + 1;
    }
    flushRun(name.size());
    return bytes;
}

QStringList decodeArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(decodeFileName(QByteArrayView(argv[i])));
    return arguments;
}

#include "platform/RegeditFormat.h"

#include <QStringDecoder>

#include <algorithm>
#include <cctype>

namespace {

constexpr char kHeader[] = "REGEDIT4";
// What the registry editor of later Windows versions writes, in UTF-16.
constexpr char kUnicodeHeader[] = "Windows Registry Editor Version 5.00";
constexpr char kRootName[] = "HKEY_CURRENT_USER";
constexpr qsizetype kHexLineWidth = 76;

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    // Names and texts are nearly always ASCII, which needs no decoder.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isBlank(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

QByteArrayView trimmedRight(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

QByteArrayView trimmedLeft(QByteArrayView line)
{
    while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t'))
        line = line.sliced(1);
    return line;
}

bool isHexDigits(QByteArrayView digits, qsizetype maxDigits)
{
    return !digits.isEmpty() && digits.size() <= maxDigits
        && std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(uchar(c)) != 0; });
}

quint32 hexValue(QByteArrayView digits)
{
    return digits.toByteArray().toUInt(nullptr, 16);
}

// Reads a quoted string starting at line[pos] == '"'; afterwards pos is just past the
// closing quote. Only \\ and \" are escapes.
std::optional<QByteArray> readQuoted(QByteArrayView line, qsizetype &pos)
{
    QByteArray bytes;
    qsizetype runStart = ++pos;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            bytes += line.sliced(runStart, pos - runStart);
            ++pos;
            return bytes;
        }
        if (c == '\\') {
            bytes += line.sliced(runStart, pos - runStart);
            if (++pos == line.size() || (line[pos] != '\\' && line[pos] != '"'))
                return std::nullopt;
            runStart = pos; // the escaped character starts the next run
        }
    }
    return std::nullopt;
}

bool endsWithLineBreak(QByteArrayView text)
{
    return text.endsWith('\n') || text.endsWith('\r');
}

// The file's text in UTF-8: as it is, without a UTF-8 byte-order mark, or converted from
// the UTF-16 that a byte-order mark announces; nullopt for UTF-16 that does not decode.
std::optional<QByteArray> utf8Text(const QByteArray &bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        return bytes.sliced(3);
    if (!bytes.startsWith("\xff\xfe"))
        return bytes;
    QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    if (decoder.hasError() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    return text.toUtf8();
}

class Parser final
{
public:
    // text ends with a line break: LF, CR LF or CR alone.
    explicit Parser(QByteArrayView text)
    {
        for (qsizetype start = 0; start < text.size();) {
            qsizetype end = start;
            while (text[end] != '\n' && text[end] != '\r')
                ++end;
            m_lines.append(text.sliced(start, end - start));
            start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        }
    }

    RegeditParse run()
    {
        if (m_lines.isEmpty() || (m_lines.constFirst() != kHeader && m_lines.constFirst() != kUnicodeHeader))
            return failure(0, QStringLiteral("not a REGEDIT4 file"));
        for (m_index = 1; m_index < m_lines.size(); ++m_index) {
            const QByteArrayView line = m_lines.at(m_index);
            if (hasControlBytes(line))
                return failure(m_index, QStringLiteral("control or binary bytes"));
            if (isBlank(line) || line.startsWith(';'))
                continue;
            const QString fault = line.startsWith('[') ? readSection(line)
                                : (line.startsWith('"') || line.startsWith('@')) ? readValue(line)
                                : QStringLiteral("neither a key, a value nor a comment");
            if (!fault.isEmpty())
                return failure(m_index, fault);
        }
        if (!flushSection())
            return failure(m_index, QStringLiteral("a malformed value name"));
        return {std::move(m_tree), {}};
    }

private:
    static bool hasControlBytes(QByteArrayView line)
    {
        return std::any_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x20 && c != '\t'; });
    }

    static RegeditParse failure(qsizetype index, const QString &why)
    {
        return {std::nullopt, QStringLiteral("line %1: %2").arg(index + 1).arg(why)};
    }

    QString readSection(QByteArrayView line)
    {
        line = trimmedRight(line);
        if (!line.endsWith(']'))
            return QStringLiteral("a key without its closing bracket");
        const QByteArrayView inner = line.sliced(1, line.size() - 2);
        const QByteArrayView root(kRootName);
        if (inner.size() < root.size() || inner.first(root.size()).compare(root, Qt::CaseInsensitive) != 0)
            return QStringLiteral("a key outside HKEY_CURRENT_USER");
        QByteArrayView rest = inner.sliced(root.size());
        if (!rest.isEmpty()) {
            if (rest.front() != '\\')
                return QStringLiteral("a key outside HKEY_CURRENT_USER");
            rest = rest.sliced(1);
        }
        const std::optional<QString> path = decodeUtf8(rest);
        if (!flushSection())
            return QStringLiteral("a malformed value name");
        if (!path || !splitKeyPath(*path))
            return QStringLiteral("a malformed key name");
        m_keyPath = *path;
        m_inKey = true;
        return {};
    }

    // A section's values go into the tree together, so that its key is looked up once.
    bool flushSection()
    {
        if (!m_inKey)
            return true;
        const bool merged = m_tree.mergeKey(m_keyPath, m_values);
        m_values.clear();
        return merged;
    }

    QString readValue(QByteArrayView line)
    {
        if (!m_inKey)
            return QStringLiteral("a value before the first key");
        qsizetype pos = 0;
        QString name;
        if (line.front() == '@') {
            pos = 1;
        } else {
            const std::optional<QByteArray> quoted = readQuoted(line, pos);
            const std::optional<QString> decoded = quoted ? decodeUtf8(*quoted) : std::nullopt;
            if (!decoded)
                return QStringLiteral("a malformed value name");
            name = *decoded;
        }
        if (pos == line.size() || line[pos] != '=')
            return QStringLiteral("a value name without '='");
        if (!isValidValueName(name))
            return QStringLiteral("a malformed value name");
        std::optional<RegData> data = readData(line.sliced(pos + 1));
        if (!data)
            return QStringLiteral("malformed value data");
        m_values.push_back({std::move(name), std::move(*data)});
        return {};
    }

    std::optional<RegData> readData(QByteArrayView data)
    {
        if (data.startsWith('"')) {
            qsizetype pos = 0;
            std::optional<QByteArray> text = readQuoted(data, pos);
            if (!text || !isBlank(data.sliced(pos)))
                return std::nullopt;
            return RegData{REG_SZ, *text};
        }
        if (data.startsWith("dword:")) {
            const QByteArrayView digits = trimmedRight(data.sliced(6));
            if (!isHexDigits(digits, 8))
                return std::nullopt;
            const quint32 number = hexValue(digits);
            QByteArray bytes(4, '\0');
            for (int i = 0; i < 4; ++i)
                bytes[i] = char((number >> (8 * i)) & 0xFF);
            return RegData{REG_DWORD, bytes};
        }
        if (data.startsWith("hex:"))
            return readHex(REG_BINARY, data.sliced(4));
        if (data.startsWith("hex(")) {
            const qsizetype close = data.indexOf("):");
            if (close < 0 || !isHexDigits(data.sliced(4, close - 4), 8))
                return std::nullopt;
            return readHex(hexValue(data.sliced(4, close - 4)), data.sliced(close + 2));
        }
        return std::nullopt;
    }

    // Comma-separated bytes, continued on the next line after a trailing backslash.
    std::optional<RegData> readHex(quint32 type, QByteArrayView first)
    {
        QByteArray list = trimmedRight(first).toByteArray();
        while (list.endsWith('\\')) {
            list.chop(1);
            if (++m_index == m_lines.size() || hasControlBytes(m_lines.at(m_index)))
                return std::nullopt;
            list += trimmedRight(trimmedLeft(m_lines.at(m_index)));
        }
        QByteArray bytes;
        if (list.isEmpty())
            return RegData{type, bytes};
        const QList<QByteArray> items = list.split(',');
        bytes.reserve(items.size());
        for (const QByteArray &item : items) {
            const QByteArrayView digits = trimmedRight(trimmedLeft(item));
            if (!isHexDigits(digits, 2))
                return std::nullopt;
            bytes += char(hexValue(digits));
        }
        return RegData{type, bytes};
    }

    QList<QByteArrayView> m_lines;
    qsizetype m_index = 0;
    RegistryTree m_tree;
    QString m_keyPath;
    std::vector<RegistryTree::Value> m_values;
    bool m_inKey = false;
};

QByteArray quoted(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (const char c : bytes) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

bool fitsQuoted(const QByteArray &bytes)
{
    const bool printable = std::none_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x20 && c != '\t'; });
    return printable && decodeUtf8(bytes).has_value();
}

void writeHex(QByteArray &out, const RegData &data)
{
    out += data.type == REG_BINARY ? QByteArray("hex:") : "hex(" + QByteArray::number(data.type, 16) + "):";
    qsizetype lineStart = out.lastIndexOf('\n') + 1;
    for (qsizetype i = 0; i < data.bytes.size(); ++i) {
        out += QByteArray::number(uchar(data.bytes[i]), 16).rightJustified(2, '0');
        if (i + 1 == data.bytes.size())
            break;
        out += ',';
        if (out.size() - lineStart >= kHexLineWidth) {
            out += "\\\n  ";
            lineStart = out.size() - 2;
        }
    }
}

void writeValue(QByteArray &out, const RegistryTree::Value &value)
{
    out += value.name.isEmpty() ? QByteArray("@") : quoted(value.name.toUtf8());
    out += '=';
    const RegData &data = value.data;
    if (data.type == REG_SZ && fitsQuoted(data.bytes)) {
        out += quoted(data.bytes);
    } else if (data.type == REG_DWORD && data.bytes.size() == 4) {
        quint32 number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | uchar(data.bytes[i]);
        out += "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
    } else {
        writeHex(out, data);
    }
    out += '\n';
}

void writeSection(QByteArray &out, const QByteArray &path, const RegistryTree::Key &key)
{
    out += '[' + path + "]\n";
    for (const RegistryTree::Value &value : key.values)
        writeValue(out, value);
    out += '\n';
}

void writeKeys(QByteArray &out, const QByteArray &parentPath, const std::vector<RegistryTree::Key> &keys)
{
    for (const RegistryTree::Key &key : keys) {
        const QByteArray path = parentPath + '\\' + key.name.toUtf8();
        writeSection(out, path, key);
        writeKeys(out, path, key.subkeys);
    }
}

} // namespace

RegeditParse parseRegedit(const QByteArray &bytes)
{
    if (bytes.size() > kMaxRegeditBytes)
        return {std::nullopt, QStringLiteral("larger than %1 bytes").arg(kMaxRegeditBytes)};
    const std::optional<QByteArray> text = utf8Text(bytes);
    if (!text)
        return {std::nullopt, QStringLiteral("not UTF-16 text")};
    // An editor may have trimmed the closing blank line, but a last line without its line
    // break may be cut anywhere, even where what is left still reads as a value.
    if (!endsWithLineBreak(*text))
        return {std::nullopt, QStringLiteral("the last line is cut off")};
    return Parser(*text).run();
}

QByteArray writeRegedit(const RegistryTree &tree)
{
    QByteArray out = QByteArray(kHeader) + "\n\n";
    // HKEY_CURRENT_USER itself gets a section only for values of its own; its
    // subkeys' sections name it anyway.
    if (!tree.root().values.empty())
        writeSection(out, kRootName, tree.root());
    writeKeys(out, kRootName, tree.root().subkeys);
    return out;
}

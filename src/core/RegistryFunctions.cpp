#include "core/RegistryFunctions.h"

#include "core/FileNames.h"
#include "core/GlobalDeclarations.h"

#include <QLocale>
#include <QtEndian>

#include <cmath>

namespace {

// A number as a 32-bit registry value: whole numbers from -2^31 up to 2^32 - 1, the upper
// half keeping its bits (colours such as 0x80000008 are written as unsigned numbers),
// fractions rounded half to even.
std::optional<qint32> int32FromNumber(double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const double whole = std::nearbyint(number);
    if (whole < -2147483648.0 || whole > 4294967295.0)
        return std::nullopt;
    return qint32(quint32(qint64(whole)));
}

std::optional<qint32> int32FromText(const QString &text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double number = c.toDouble(text.trimmed(), &ok);
    return ok ? int32FromNumber(number) : std::nullopt;
}

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
    case QMetaType::Double: case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// An empty variant stands for a value never set: it writes as the empty text, or as 0.
std::optional<QString> textOf(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

std::optional<qint32> numberOf(const QVariant &value)
{
    if (!value.isValid())
        return 0;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (isNumber(value))
        return int32FromNumber(value.toDouble());
    if (value.typeId() == QMetaType::QString)
        return int32FromText(value.toString());
    return std::nullopt;
}

} // namespace

bool regIsEmpty(const RegValue &value)
{
    return std::holds_alternative<std::monostate>(value);
}

QString regToText(const RegValue &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *number = std::get_if<qint32>(&value))
        return QString::number(*number);
    return QString();
}

std::optional<qint32> regToNumber(const RegValue &value)
{
    if (const auto *number = std::get_if<qint32>(&value))
        return *number;
    if (const auto *text = std::get_if<QString>(&value))
        return int32FromText(*text);
    return std::nullopt;
}

std::optional<bool> regToBool(const RegValue &value)
{
    if (const auto *text = std::get_if<QString>(&value)) {
        const QString word = text->trimmed();
        if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const std::optional<qint32> number = regToNumber(value))
        return *number != 0;
    return std::nullopt;
}

RegKey RegistryFunctions::openKey(const RegKey &root, const QString &keyPath)
{
    if (root.path.isEmpty() || keyPath.isEmpty())
        return {root.path + keyPath};
    return {root.path + QLatin1Char('\\') + keyPath};
}

std::optional<RegData> RegistryFunctions::encode(quint32 valueType, const QVariant &value, qint32 &code)
{
    code = ERROR_SUCCESS;
    RegData data{valueType, {}};
    if (valueType == REG_SZ) {
        const std::optional<QString> text = textOf(value);
        if (!text) {
            code = ERROR_INVALID_PARAMETER;
            return std::nullopt;
        }
        // Texts are mostly file paths: a name of bytes that are not UTF-8 keeps them.
        data.bytes = encodeFileName(*text);
        return data;
    }
    if (valueType == REG_DWORD) {
        const std::optional<qint32> number = numberOf(value);
        if (!number) {
            code = ERROR_INVALID_PARAMETER;
            return std::nullopt;
        }
        data.bytes.resize(4);
        qToLittleEndian(*number, data.bytes.data());
        return data;
    }
    return std::nullopt;
}

qint32 RegistryFunctions::SetValueEx(const RegKey &key, const QString &valueName, quint32 valueType,
                                     const QVariant &value)
{
    qint32 code = ERROR_SUCCESS;
    const std::optional<RegData> data = encode(valueType, value, code);
    if (!data)
        return code;
    return m_store.setValue(key.path, valueName, *data) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

qint32 RegistryFunctions::QueryValueEx(const RegKey &key, const QString &valueName, RegValue &result)
{
    result = std::monostate();
    const std::optional<RegData> data = m_store.value(key.path, valueName);
    if (!data) {
        globals().gRegError = true;
        return ERROR_FILE_NOT_FOUND;
    }
    if (data->type == REG_SZ) {
        // A zero-length text reads as nothing; a text another program stored with its
        // terminating NUL reads without it.
        if (data->bytes.isEmpty())
            return ERROR_SUCCESS;
        const qsizetype nul = data->bytes.indexOf('\0');
        result = decodeFileName(nul < 0 ? data->bytes : data->bytes.left(nul));
        return ERROR_SUCCESS;
    }
    if (data->type == REG_DWORD) {
        if (data->bytes.size() != 4)
            return ERROR_CANTREAD;
        result = qFromLittleEndian<qint32>(data->bytes.constData());
        return ERROR_SUCCESS;
    }
    return ERROR_SUCCESS;
}

void RegistryFunctions::DeleteKey(const RegKey &root, const QString &keyPath)
{
    m_store.deleteKey(openKey(root, keyPath).path);
}

void RegistryFunctions::CreateNewKey(const RegKey &root, const QString &keyPath)
{
    m_store.createKey(openKey(root, keyPath).path);
}

void RegistryFunctions::SetKeyValue(const RegKey &root, const QString &keyPath, const QString &valueName,
                                    const QVariant &value, quint32 valueType)
{
    SetValueEx(openKey(root, keyPath), valueName, valueType, value);
}

QList<RegWrite> RegistryFunctions::batchOf(const RegKey &root, const QList<RegKeyValue> &values)
{
    QList<RegWrite> batch;
    batch.reserve(values.size());
    for (const RegKeyValue &v : values) {
        qint32 code = ERROR_SUCCESS;
        if (std::optional<RegData> data = encode(v.valueType, v.value, code))
            batch.append(RegWrite{openKey(root, v.keyPath).path, v.valueName, std::move(data)});
    }
    return batch;
}

void RegistryFunctions::SetKeyValues(const RegKey &root, const QList<RegKeyValue> &values)
{
    m_store.write(batchOf(root, values));
}

void RegistryFunctions::SetKeyValues(const RegKey &root,
                                     const std::function<QList<RegKeyValue>(Registry &now)> &valuesFor)
{
    m_store.update([&](Registry &now) { return batchOf(root, valuesFor(now)); });
}

RegValue RegistryFunctions::QueryValue(const RegKey &root, const QString &keyPath, const QString &valueName)
{
    RegValue result;
    QueryValueEx(openKey(root, keyPath), valueName, result);
    return result;
}

void RegistryFunctions::DeleteValue(const RegKey &root, const QString &keyPath, const QString &valueName)
{
    m_store.deleteValue(openKey(root, keyPath).path, valueName);
}

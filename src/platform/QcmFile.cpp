#include "platform/QcmFile.h"

#include "fontmap/rules/QcmFormat.h"

namespace {

constexpr qint64 kReadLimit = QcmFormat::kMaxFileBytes + 1;

} // namespace

std::optional<QByteArray> readQcmFile(const QString &path, QString *error)
{
    return readRegularFile(path, kReadLimit, error);
}

std::optional<QByteArray> CustomMapFileSlot::open(const QString &path, QString *error)
{
    close();
    if (!m_file.open(path, error))
        return std::nullopt;
    std::optional<QByteArray> bytes = m_file.read(kReadLimit, error);
    if (!bytes) {
        close();
        return std::nullopt;
    }
    m_path = path;
    return bytes;
}

void CustomMapFileSlot::close()
{
    m_file.close();
    m_path.clear();
}

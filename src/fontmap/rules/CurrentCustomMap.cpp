#include "fontmap/rules/CurrentCustomMap.h"

void CurrentCustomMap::setLoaded(const QString &path, const QString &name)
{
    if (path == m_path && name == m_name)
        return;
    m_path = path;
    m_name = name;
    Q_EMIT changed();
}

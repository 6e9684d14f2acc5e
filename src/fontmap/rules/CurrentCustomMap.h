#pragma once

#include <QObject>
#include <QString>

// The custom map shown in the FontMap: its folder and file name, both empty while the
// standard map is shown.
class CurrentCustomMap final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrentCustomMap)

public:
    explicit CurrentCustomMap(QObject *parent = nullptr) : QObject(parent) {}

    bool isLoaded() const { return !m_name.isEmpty(); }
    // The full path, as the map was loaded.
    const QString &path() const { return m_path; }
    const QString &name() const { return m_name; }
    void setLoaded(const QString &path, const QString &name);
    void clear() { setLoaded(QString(), QString()); }

Q_SIGNALS:
    void changed();

private:
    QString m_path;
    QString m_name;
};

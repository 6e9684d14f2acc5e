#pragma once

#include <QObject>
#include <QString>

// The views container: which of the Zoom, Code and KeyStroke views show, the Zoom view's
// size in points, and the side of the window the container stands on ("L" or "R").
class ViewSettings final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewSettings)

public:
    enum View { Zoom = 0, Code = 1, KeyStroke = 2 };
    static constexpr int kMinZoomSize = 8;
    static constexpr int kMaxZoomSize = 72;

    explicit ViewSettings(QObject *parent = nullptr) : QObject(parent) {}

    bool isShown(View view) const { return m_shown[view]; }
    void setShown(View view, bool shown);
    int zoomSize() const { return m_zoomSize; }
    // Held to 8..72.
    void setZoomSize(int points);
    const QString &position() const { return m_position; }
    void setPosition(const QString &side);

Q_SIGNALS:
    void shownChanged(ViewSettings::View view, bool shown);
    void zoomSizeChanged(int points);
    void positionChanged(const QString &side);

private:
    bool m_shown[3] = {true, true, true};
    int m_zoomSize = kMaxZoomSize;
    QString m_position = QStringLiteral("L");
};

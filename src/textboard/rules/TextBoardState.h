#pragma once

#include <QObject>
#include <QString>

// The TextBoard's own state that its parts share beside its document: its capacity and fill
// meter width, whether the loaded file's font was replaced, find's last string and focus,
// and the screen's vertical twips per pixel.
class TextBoardState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardState)

public:
    explicit TextBoardState(QObject *parent = nullptr) : QObject(parent) {}

    int TBMaxLength() const { return m_maxLength; }
    void setTBMaxLength(int length) { m_maxLength = length; }
    // Twips: the fill meter at 100 percent.
    double ProgressFullWidth() const { return m_progressFullWidth; }
    void setProgressFullWidth(double twips) { m_progressFullWidth = twips; }

    // The loaded file's font is not installed and the board's took its place, so saving over
    // the file would lose its own.
    bool FontChangedOnLoad() const { return m_fontChangedOnLoad; }
    void setFontChangedOnLoad(bool changed) { m_fontChangedOnLoad = changed; }

    const QString &LastFindString() const { return m_lastFindString; }
    void setLastFindString(const QString &string) { m_lastFindString = string; }
    // The find box had the focus last: a character clicked on the FontMap goes there.
    bool FindHasFocus() const { return m_findHasFocus; }
    void setFindHasFocus(bool has) { m_findHasFocus = has; }

    // Twips per pixel, vertical, as the window recorded it at start-up (or the display's
    // last change).
    int TwipsPerPixelY() const { return m_twipsPerPixelY; }
    void setTwipsPerPixelY(int twips) { m_twipsPerPixelY = twips; }

private:
    int m_maxLength = 61440;
    double m_progressFullWidth = 0;
    bool m_fontChangedOnLoad = false;
    QString m_lastFindString;
    bool m_findHasFocus = false;
    int m_twipsPerPixelY = 15;
};

#pragma once

#include <QObject>
#include <QPoint>

struct MainState;
struct QuorvilControls;
class CodePage;

// The FontMap at work: its captions and code table, hover and click.
class FontMapCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapCommands)

public:
    FontMapCommands(QuorvilControls &controls, MainState &state, QObject *parent = nullptr);

    // Standard captions (codes 32..255 in the current font's charset) and code table.
    void SetupFMapCodes();

    void CharButton_MouseMove(int index);
    void CharButton_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPos);

private:
    QuorvilControls &m_c;
    MainState &m_s;
};

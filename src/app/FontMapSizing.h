#pragma once

#include <QObject>

class ActionCollection;
class DisplayService;
class MainLayout;
class ViewSettings;
class WindowFrame;
struct MainState;
struct QuorvilControls;

// The FontMap's size steps in the main window: the limits the screen sets, the rebuild of the
// 224 cells, the container, its CoolBar and the window at a new step, and the commands that
// change the step: the size slider with its number and inline edit, Larger, Smaller and Realign.
class FontMapSizing final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapSizing)

public:
    FontMapSizing(WindowFrame &window, QuorvilControls &controls, MainState &state, ActionCollection &commands,
                  const DisplayService &display, MainLayout &layout, const ViewSettings &views,
                  QObject *parent = nullptr);

    // Switches sizing on or off for the screen (the size commands and the split bar) and sets
    // the largest step it allows.
    void SetFMapSizeLimits();
    // Rebuilds the map `delta` steps larger (`grow`) or smaller and sizes the window for it.
    void ResizeFMap(int delta, bool grow);
    // The resize handler's steps for a screen width that changed since the last layout: the
    // largest step anew, a map too large for the screen brought down to it, a lowered split
    // bar back in its place.
    void followScreenWidth(int screenWidth);

    void sldSetFMapSize_Scroll(int value);
    void sldSetFMapSize_Change();
    void FMLarger_Click();
    void FMSmaller_Click();
    void FMRealign_Click();

private:
    void applyLargestStep();
    void focusTextBoard();

    WindowFrame &m_window;
    QuorvilControls &m_c;
    MainState &m_s;
    ActionCollection &m_commands;
    const DisplayService &m_display;
    MainLayout &m_layout;
    const ViewSettings &m_views;
};

#pragma once

#include "fontmap/rules/ViewSettings.h"

#include <QObject>
#include <QPoint>

class ActionCollection;
class MainMenu;
struct FontMapControls;

// The Zoom, Code and KeyStroke views beside the TextBoard: each switched on and off from the
// Views menu, the views toolbar and a right-click menu on the view itself, and the Zoom view's
// letter size with its slider, number and inline edit. The views follow ViewSettings: whatever
// shows or hides a view there (a menu item, its button) shows or hides it here.
class FontMapViews final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapViews)

public:
    FontMapViews(FontMapControls &controls, ViewSettings &views, ActionCollection &commands, MainMenu &menu,
                 QObject *parent = nullptr);

    void SetZoomView(bool on);
    void SetCodeView(bool on);
    void SetKeyStrokeView(bool on);
    // All three views on or off, as the item's new check says: off from all on, on from any
    // other state.
    void ViewAll_Click(bool checked);

    // The Zoom view's letter at `points`.
    void setZoomLetterSize(int points);
    void ZoomSizeSlider_Scroll(int value);

    // Opens the Views menu as a pop-up at `globalPos` with only the item of `view` in it; the
    // menu is whole again when it has closed.
    void popUpViewMenu(ViewSettings::View view, const QPoint &globalPos);

Q_SIGNALS:
    void textBoardFocusRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setView(ViewSettings::View view, bool on);
    void showView(ViewSettings::View view, bool on);
    void showZoomSize(int points);
    bool allShown() const;

    FontMapControls &m_c;
    ViewSettings &m_views;
    MainMenu &m_menu;
};

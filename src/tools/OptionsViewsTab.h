#pragma once

#include <QObject>

class OptionsSamples;
struct OptionsControls;
struct Settings;

// The views' defaults in the Options dialog, its "Views" tab: which views show, their side,
// and the zoom size, set with the slider or typed into the number, which the zoom sample shows.
class OptionsViewsTab final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsViewsTab)

public:
    OptionsViewsTab(OptionsControls &controls, OptionsSamples &samples, QObject *parent = nullptr);

    void load(const Settings &stored);
    // The tab's values as Set would save them.
    void collect(Settings &chosen) const;

    void OZoomSizeSlider_Change(int value);

private:
    OptionsControls &m_c;
    OptionsSamples &m_samples;
};

#pragma once

#include <QObject>

// The program-wide options of the Toggles menu. Tooltips and the colour scheme are also
// mirrored in globals().gToolTips and globals().gColorScheme, which every window reads.
class Toggles final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Toggles)

public:
    enum Option {
        LoadTxtWithDefaults,   // OptLoadTD
        RestoreAfterUnload,    // OptUnloadTD
        CopyConfirmation,      // DisplayCD
        OverwriteWarning,      // DisplayOW
        ExitWarning,           // DisplayEW
        ColorScheme,           // DisplayCS
        ToolTips,              // DisplayTT
    };
    static constexpr int kCount = 7;

    explicit Toggles(QObject *parent = nullptr);

    bool isOn(Option option) const { return m_on[option]; }
    void set(Option option, bool on);

Q_SIGNALS:
    void changed(Toggles::Option option, bool on);

private:
    bool m_on[kCount] = {true, true, true, true, true, true, true};
};

#include "app/MainToolTips.h"

#include "app/QuorvilControls.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/FontMapGrid.h"
#include "widgets/TagToolTips.h"
#include "widgets/ToolBar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

// The three view buttons explain themselves with fixed texts instead of tags.
QString fixedText(const QString &key)
{
    if (key == QLatin1String("Zoom"))
        return QStringLiteral("Zoom View On/Off");
    if (key == QLatin1String("Code"))
        return QStringLiteral("Code View On/Off");
    if (key == QLatin1String("KS"))
        return QStringLiteral("Keystroke View On/Off");
    return {};
}

} // namespace

void SetToolTips(const QuorvilControls &c, const QString &textColorName)
{
    const bool on = globals().gToolTips;
    // Toolbar by toolbar, in the order the buttons are explained.
    for (ToolBar *bar : {c.LoadSaveTB, c.ViewsTB, c.QrvlDefTB, c.TBOperationsTB, c.FontFormatTB, c.TextAlignTB,
                         c.TextEditTB, c.tlbCustFMap, c.tlbCFMapFmt, c.tlbCFMapName}) {
        for (const QString &key : bar->keys()) {
            QString text;
            if (on) {
                text = bar == c.ViewsTB ? fixedText(key) : bar->tag(key);
                if (bar == c.FontFormatTB && key == QLatin1String("Color"))
                    text += textColorName + QLatin1Char(')');
            }
            bar->setButtonToolTip(key, text);
        }
    }
    showTagToolTips({c.ZoomSizeNumber, c.ZoomSizeEdit, c.ZoomSizeSlider, c.TextZoom, c.FontNameCombo, c.FontSizeNumber,
                     c.FontSizeEdit, c.FontSizeSlider, c.NoOfChars, c.ProgressBack, c.PercFilled, c.CVACover,
                     c.KVACover, c.SplitBar, c.tbxSetFMapSizeNumber, c.lblSetFMapSizeNumber, c.sldSetFMapSize,
                     c.lblCFMName},
                    on);
}

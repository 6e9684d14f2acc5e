#include "tools/rules/OptionsChangeTest.h"

#include "core/Settings.h"

#include <tuple>

namespace OptionsChangeTest {

namespace {

auto compared(const Settings &s)
{
    return std::tie(s.TBFontName, s.TBFontSize, s.TBFontStyle, s.TBFontColorIndex, s.TBAlignment, s.MaximizeTB,
                    s.FMForeColorIndex, s.FMBackColorIndex, s.FMForePaletteRef, s.FMBackPaletteRef, s.FMForeColor,
                    s.FMBackColor, s.InitMap, s.InitMapPath, s.Hilite, s.Borders, s.ZoomView, s.CodeView,
                    s.KeyStrokeView, s.VCPosition, s.ZoomSize, s.CopyDialog, s.ExitWarning, s.OverwriteWarning,
                    s.ColorScheme, s.SampleText, s.ShiftDir, s.TXTLoadSet, s.QUFUnLoadSet, s.ToolTips);
}

} // namespace

bool changed(const Settings &snapshot, const Settings &now)
{
    return compared(snapshot) != compared(now);
}

} // namespace OptionsChangeTest

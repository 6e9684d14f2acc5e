#pragma once

#include "core/ColorValue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

// The flag bits the program combines in CommonDialogProperties::Flags, by dialog kind.
namespace CdlFlags {
// Open and save.
inline constexpr int OverwritePrompt = 0x2;
inline constexpr int HideReadOnly = 0x4;
inline constexpr int PathMustExist = 0x800;
inline constexpr int FileMustExist = 0x1000;
// Font.
inline constexpr int ScreenFonts = 0x1;
inline constexpr int Effects = 0x100;
inline constexpr int LimitSize = 0x2000;
inline constexpr int ForceFontExist = 0x10000;
// Colour.
inline constexpr int RgbInit = 0x1;
inline constexpr int FullOpen = 0x2;
// Printer.
inline constexpr int PrintSelection = 0x1;
inline constexpr int ReturnDC = 0x100;
} // namespace CdlFlags

// Help commands.
inline constexpr int kHelpForceFile = 9;

// One window's common dialog `CmnDlg`: what the caller sets before showing a dialog and
// reads after a confirmed one. Each window that uses the dialogs keeps its own instance, so
// its values (the last file name, say) stay its own between uses.
struct CommonDialogProperties
{
    // With CancelError on, a cancelled dialog reports DialogResult::Cancelled; off, it returns
    // Confirmed with every property as it was, as the classic component did.
    bool CancelError = false;
    int Flags = 0;

    // Open and save. Filter: descriptions and patterns in pairs, all joined by "|"; a pattern
    // may hold several globs joined by ";". FilterIndex counts from 1.
    QString Filter;
    int FilterIndex = 1;
    QString InitDir;
    QString DialogTitle;
    QString FileName;   // in: the name offered; out: the full path chosen
    QString FileTitle;  // out: the chosen file's name without its folder

    // Font.
    QString FontName;
    double FontSize = 8;
    int Min = 0;        // size limits, with CdlFlags::LimitSize
    int Max = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;

    // Font (with CdlFlags::Effects) and colour: an RGB colour value.
    ColorValue Color = 0;

    // Help.
    QString HelpFile;   // a bare name is looked up in the program's folder
    int HelpCommand = 0;

    // Printer: the device to print on after a confirmed printer dialog (the classic hDC).
    std::shared_ptr<QPrinter> hDC;
};

enum class DialogResult {
    Confirmed,
    // The user cancelled (with CancelError on), or the dialog could not do its work; the
    // properties are as the caller left them, and the caller ends its command.
    Cancelled,
};

// The open, save, font, colour, printer and help dialogs. Each Show call is modal and returns
// when the dialog closes; a confirmed dialog writes its results into the properties, a cancelled
// one leaves them untouched.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    [[nodiscard]] virtual DialogResult ShowOpen(CommonDialogProperties &dlg) = 0;
    [[nodiscard]] virtual DialogResult ShowSave(CommonDialogProperties &dlg) = 0;
    [[nodiscard]] virtual DialogResult ShowFont(CommonDialogProperties &dlg) = 0;
    [[nodiscard]] virtual DialogResult ShowColor(CommonDialogProperties &dlg) = 0;
    [[nodiscard]] virtual DialogResult ShowPrinter(CommonDialogProperties &dlg) = 0;
    [[nodiscard]] virtual DialogResult ShowHelp(CommonDialogProperties &dlg) = 0;

protected:
    // What a dialog closed without confirmation reports, by the caller's CancelError.
    static DialogResult cancelled(const CommonDialogProperties &dlg);
};

// One description and its globs of a Filter.
struct FileFilter
{
    QString description;
    QStringList patterns;
};

// Splits a Filter into its pairs; a trailing description without patterns gets "*".
QList<FileFilter> parseFileFilter(const QString &filter);

// The name of a path without its folder.
QString fileTitleOf(const QString &path);

// Why a font chosen in the font dialog is refused under the given flags and limits, or the
// empty text when it is accepted. `installed` tells whether the family is an installed one.
QString fontChoiceRefusal(const CommonDialogProperties &dlg, double size, bool installed);

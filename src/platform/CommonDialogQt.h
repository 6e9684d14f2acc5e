#pragma once

#include "platform/CommonDialog.h"

class FontCatalog;
class Shell;

// The common dialogs over Qt's own: QFileDialog, QFontDialog (with the classic font dialog's
// colour list beside it), QColorDialog and QPrintDialog. Qt's widget-based dialogs are used on
// every desktop, so filters match without regard to case and every dialog offers the same
// choices. The help request opens the help document through the shell.
class QtCommonDialog final : public CommonDialog
{
    Q_DISABLE_COPY_MOVE(QtCommonDialog)

public:
    QtCommonDialog(const FontCatalog &fonts, Shell &shell);

    DialogResult ShowOpen(CommonDialogProperties &dlg) override;
    DialogResult ShowSave(CommonDialogProperties &dlg) override;
    // Offers the installed families; a size outside Min..Max (with CdlFlags::LimitSize) or a
    // family that is not installed (with CdlFlags::ForceFontExist) is refused with a message and
    // the dialog stays open.
    DialogResult ShowFont(CommonDialogProperties &dlg) override;
    DialogResult ShowColor(CommonDialogProperties &dlg) override;
    // With no printer installed the dialog prints to a PDF file, whose name it lets the user
    // choose (first offered in the documents folder, or at home where there is none).
    DialogResult ShowPrinter(CommonDialogProperties &dlg) override;
    DialogResult ShowHelp(CommonDialogProperties &dlg) override;

private:
    DialogResult showFile(CommonDialogProperties &dlg, bool save);

    const FontCatalog &m_fonts;
    Shell &m_shell;
};

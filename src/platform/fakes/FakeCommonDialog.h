#pragma once

#include "platform/CommonDialog.h"

#include <QList>

#include <functional>

// Common dialogs that a test scripts: each Show call records the properties the caller set and
// takes the next queued answer. A confirmed answer first lets the test make the user's choices
// in the properties; a cancelled one leaves them as they were. A dialog shown with no answer
// queued is cancelled and counted as unexpected.
class FakeCommonDialog final : public CommonDialog
{
public:
    enum class Kind { Open, Save, Font, Color, Printer, Help };

    struct Shown
    {
        Kind kind = Kind::Open;
        CommonDialogProperties properties; // as the caller set them before showing
    };

    using Choice = std::function<void(CommonDialogProperties &dlg)>;

    FakeCommonDialog &confirm(Choice choose = {});
    FakeCommonDialog &cancel();

    const QList<Shown> &shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }
    int unexpected() const { return m_unexpected; }
    int pending() const { return int(m_answers.size()); }

    DialogResult ShowOpen(CommonDialogProperties &dlg) override { return show(Kind::Open, dlg); }
    DialogResult ShowSave(CommonDialogProperties &dlg) override { return show(Kind::Save, dlg); }
    DialogResult ShowFont(CommonDialogProperties &dlg) override { return show(Kind::Font, dlg); }
    DialogResult ShowColor(CommonDialogProperties &dlg) override { return show(Kind::Color, dlg); }
    DialogResult ShowPrinter(CommonDialogProperties &dlg) override { return show(Kind::Printer, dlg); }
    DialogResult ShowHelp(CommonDialogProperties &dlg) override { return show(Kind::Help, dlg); }

private:
    struct Answer
    {
        bool confirmed = false;
        Choice choose;
    };

    DialogResult show(Kind kind, CommonDialogProperties &dlg);

    QList<Answer> m_answers;
    QList<Shown> m_shown;
    int m_unexpected = 0;
};

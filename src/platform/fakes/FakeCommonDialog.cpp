#include "platform/fakes/FakeCommonDialog.h"

FakeCommonDialog &FakeCommonDialog::confirm(Choice choose)
{
    m_answers.append(Answer{true, std::move(choose)});
    return *this;
}

FakeCommonDialog &FakeCommonDialog::cancel()
{
    m_answers.append(Answer{false, {}});
    return *this;
}

DialogResult FakeCommonDialog::show(Kind kind, CommonDialogProperties &dlg)
{
    m_shown.append(Shown{kind, dlg});
    if (m_answers.isEmpty()) {
        ++m_unexpected;
        return cancelled(dlg);
    }
    const Answer answer = m_answers.takeFirst();
    if (!answer.confirmed)
        return cancelled(dlg);
    if (answer.choose)
        answer.choose(dlg);
    return DialogResult::Confirmed;
}

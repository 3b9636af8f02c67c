#include "fake_prompter.h"

namespace vantorelle {

FakePrompter::FakePrompter()
{
    installPrompter(this);
}

FakePrompter::~FakePrompter()
{
    installPrompter(nullptr);
}

int FakePrompter::ask(const QString &title, const QString &text, Buttons buttons, Icon icon)
{
    boxes.append({title, text, buttons, icon});
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    return buttons == YesNo || buttons == YesNoCancel ? Yes : Ok;
}

} // namespace vantorelle

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

int FakePrompter::ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
    DefaultButton defaultButton)
{
    boxes.append({title, text, buttons, icon, defaultButton});
    if (whileShown) {
        const Box shown = boxes.last(); // what it does may show other boxes
        whileShown(shown);
    }
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    const bool yesNo = buttons == YesNo || buttons == YesNoCancel;
    if (defaultButton == SecondButton)
        return yesNo ? No : Cancel;
    return yesNo ? Yes : Ok;
}

} // namespace vantorelle

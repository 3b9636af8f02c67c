#pragma once

#include "platform/prompter.h"

#include <QList>

#include <functional>

namespace vantorelle {

// Records every message box and answers from a script. Installed while it lives.
class FakePrompter : public Prompter {
public:
    struct Box {
        QString title, text;
        Buttons buttons;
        Icon icon;
        DefaultButton defaultButton;
    };

    FakePrompter();
    ~FakePrompter() override;

    int ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
        DefaultButton defaultButton) override;

    // The answers of the next boxes, in order. Without one a box is answered
    // with its default button, as Enter would answer it.
    void setNextAnswers(QList<int> answers) { answers_ = std::move(answers); }

    // Runs while each box is shown, before its answer: what happens meanwhile
    // (a hotsync, a close from outside).
    std::function<void(const Box &box)> whileShown;

    QList<Box> boxes;

private:
    QList<int> answers_;
};

} // namespace vantorelle

#pragma once

#include <QString>

namespace vantorelle {

// Every message box of the program goes through the current Prompter, so tests
// can see each box and answer it. Buttons, icons and answers carry the numbers
// Windows gives message boxes, which the logs and the tests read.
class Prompter {
public:
    enum Buttons { OkOnly = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };
    enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
    // Unanswered: the program ended the box itself (the session ended, a
    // synchronisation forces the close) and nobody chose a button. It changes
    // nothing: a caller goes on only on the answer that goes on (Yes, Ok, or
    // the No that picks another way), and takes every other answer as stop.
    enum Answer { Unanswered = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    // The button Enter presses: the first, or the second where the first
    // would give up something (records, a data folder) on a key pressed in haste.
    enum DefaultButton { FirstButton = 0, SecondButton = 256 };

    virtual ~Prompter() = default;

    // Shows a modal box and returns the answer code: the button chosen, or
    // Unanswered. Lines of `text` are joined with CR LF. A box that has no
    // title of its own is given the application's title by its caller.
    virtual int ask(const QString &title, const QString &text, Buttons buttons = OkOnly,
        Icon icon = NoIcon, DefaultButton defaultButton = FirstButton)
        = 0;
};

// The prompter in use: real message boxes unless a test installed another.
Prompter &prompter();
// Installs `prompter` (nullptr restores the real one). The caller keeps ownership.
void installPrompter(Prompter *prompter);

} // namespace vantorelle

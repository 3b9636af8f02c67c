#pragma once

#include <QObject>

namespace vantorelle {

// For a program that closes on its own (the desktop session ended, a
// synchronisation forces the close) while a command waits on a question or a
// dialog: nobody is there to answer. While it runs, every modal window open
// when it started ends with no answer, and so does every one opened later, as
// soon as it shows: a message box answers Prompter::Unanswered, a dialog is
// rejected, and the command that asked stops with nothing changed.
class ModalWindowEnder : public QObject {
public:
    ModalWindowEnder() = default;
    ~ModalWindowEnder() override;
    ModalWindowEnder(const ModalWindowEnder &) = delete;
    ModalWindowEnder &operator=(const ModalWindowEnder &) = delete;

    void start();
    // Modal windows wait for their answer again.
    void stop();
    bool running() const { return running_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool running_ = false;
};

} // namespace vantorelle

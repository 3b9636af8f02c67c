#include "platform/prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace vantorelle {

namespace {

struct ButtonSet {
    Prompter::Buttons buttons;
    QList<QMessageBox::StandardButton> shown; // the first is the default
};

const ButtonSet buttonSets[] = {
    {Prompter::OkOnly, {QMessageBox::Ok}},
    {Prompter::OkCancel, {QMessageBox::Ok, QMessageBox::Cancel}},
    {Prompter::YesNoCancel, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}},
    {Prompter::YesNo, {QMessageBox::Yes, QMessageBox::No}},
};

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Critical:
        return QMessageBox::Critical;
    case Prompter::Question:
        return QMessageBox::Question;
    case Prompter::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Information:
        return QMessageBox::Information;
    case Prompter::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

int answerCode(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Prompter::Ok;
    case QMessageBox::Yes:
        return Prompter::Yes;
    case QMessageBox::No:
        return Prompter::No;
    case QMessageBox::Cancel:
        return Prompter::Cancel;
    default:
        // No button: the program closed the box.
        return Prompter::Unanswered;
    }
}

// A question with Yes and No and no Cancel has no answer that means "never
// mind": Escape and the title bar's close button would give its No, which
// drops work a person meant to keep. It waits for Yes or No. A box with
// Cancel, or with OK alone, keeps Escape for that button.
class MessageBox : public QMessageBox {
public:
    MessageBox(QWidget *parent, bool waitsForAnswer)
        : QMessageBox(parent)
        , waitsForAnswer_(waitsForAnswer)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (waitsForAnswer_ && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent *event) override
    {
        if (waitsForAnswer_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    const bool waitsForAnswer_;
};

class MessageBoxPrompter : public Prompter {
public:
    int ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
        DefaultButton defaultButton) override
    {
        MessageBox box(QApplication::activeWindow(), buttons == YesNo);
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText);
        box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box.setIcon(boxIcon(icon));
        for (const ButtonSet &set : buttonSets) {
            if (set.buttons != buttons)
                continue;
            for (QMessageBox::StandardButton b : set.shown)
                box.addButton(b);
            box.setDefaultButton(set.shown.at(defaultButton == SecondButton ? 1 : 0));
        }
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        return answerCode(clicked);
    }
};

MessageBoxPrompter messageBoxPrompter;
Prompter *installed = nullptr;

} // namespace

Prompter &prompter()
{
    return installed ? *installed : messageBoxPrompter;
}

void installPrompter(Prompter *prompter)
{
    installed = prompter;
}

} // namespace vantorelle

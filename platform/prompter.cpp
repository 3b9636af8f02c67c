#include "platform/prompter.h"

#include <QApplication>
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
    default:
        return Prompter::Cancel;
    }
}

class MessageBoxPrompter : public Prompter {
public:
    int ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
        DefaultButton defaultButton) override
    {
        QMessageBox box(QApplication::activeWindow());
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

#include "editor/type_ahead.h"

#include "widgets/typing_limit.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vantorelle {

void TypeAhead::attach(QComboBox *combo)
{
    new TypeAhead(combo);
}

TypeAhead::TypeAhead(QComboBox *combo)
    : QObject(combo)
    , combo_(combo)
{
    QLineEdit *edit = combo->lineEdit();
    // The typing limit cuts first, so the completion starts from what was kept.
    TypingLimit::of(edit);
    connect(edit, &QLineEdit::textEdited, this, &TypeAhead::onTextEdited);
    // Keys reach the line edit through the combo box, or straight when sent to it.
    combo->installEventFilter(this);
    edit->installEventFilter(this);
    // After the box's own handling of the focus, which selects the text
    // when Tab brings it there.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (arriving_ && now && (now == combo_ || now == combo_->lineEdit()))
            combo_->lineEdit()->deselect();
    });
}

bool TypeAhead::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // The window made active again gives the focus back to the box: the
        // typing goes on, completion and all.
        arriving_ = static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason;
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        noCompletion_ = key == Qt::Key_Delete || key == Qt::Key_Backspace;
    }
    return QObject::eventFilter(watched, event);
}

void TypeAhead::onTextEdited()
{
    if (noCompletion_) {
        noCompletion_ = false;
        return;
    }
    complete();
}

void TypeAhead::complete()
{
    QLineEdit *edit = combo_->lineEdit();
    const QString typed = edit->text();
    if (typed.isEmpty())
        return; // an empty text would match the first item
    const int found = combo_->findText(typed, Qt::MatchStartsWith); // any letter case
    if (found < 0)
        return;
    const QString item = combo_->itemText(found);
    if (item.size() == typed.size())
        return; // the whole item typed stays as typed
    edit->setText(item);
    edit->setSelection(int(typed.size()), int(item.size() - typed.size()));
}

} // namespace vantorelle

#pragma once

#include <QObject>

class QComboBox;

namespace vantorelle {

// Completes what the user types into an editable combo box from the box's own
// list: the first item that begins with the typed text, in any letter case,
// is shown whole with its untyped tail selected, so the next key replaces the
// tail and the search runs again. Delete and Backspace never complete, and
// neither does text the program sets: a stored value is shown as stored.
//
// Arriving in the box from another control leaves no text selected, so a key
// adds to the text; coming back to it with the window changes nothing.
class TypeAhead : public QObject {
    Q_OBJECT
public:
    // Completes typing into `combo` (editable) for as long as it lives.
    static void attach(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TypeAhead(QComboBox *combo);
    void onTextEdited();
    // The completion of the combo's present text (ComboAutoComplete).
    void complete();

    QComboBox *combo_;
    // The last key was Delete or Backspace: the change it makes is left as is.
    bool noCompletion_ = false;
    // The focus came to the box from another control of the program.
    bool arriving_ = false;
};

} // namespace vantorelle

#pragma once

#include <QObject>

namespace vantorelle {

class MainWindowContext;
class TopicPanel;

// The handlers every entry control of a panel carries, connected by the
// control's kind, so that a topic gets them from its descriptor alone:
// - a change switches the editor to editing while edits are tracked: a combo
//   box or a picker on any change, a text box only when its text differs from
//   the shown record's stored value (never while a new record is entered);
// - an editable combo box completes what the user types from its own list
//   (TypeAhead), after its typing limit has beeped and cut (TypingLimit).
// What the panel itself sets while it clears or shows a record switches
// nothing. Enter moves through the panel in its order in the engine (TopicPanel).
class ControlHandlers : public QObject {
    Q_OBJECT
public:
    // Connects every control of `panel`, for as long as the panel lives.
    static void attach(MainWindowContext &context, TopicPanel &panel);

private:
    ControlHandlers(MainWindowContext &context, TopicPanel &panel);
    bool tracking() const;
    // A combo box or a picker changed.
    void controlChanged();
    // The text box of field-table row `row` changed.
    void textChanged(int row);

    MainWindowContext &context_;
    TopicPanel &panel_;
};

} // namespace vantorelle

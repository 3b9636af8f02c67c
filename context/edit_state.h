#pragma once

#include <QObject>

namespace vantorelle {

// What the record editor is doing.
enum class EditMode {
    Normal, // records are shown, nothing is being entered
    Add, // a new profile is being entered
    Edit, // a record of the shown profile is being added or changed
};

// The record editor's state, owned by the main window: the mode, which the
// main window's controls and the editor's panels follow, and whether changes
// to the entry controls count as the user's (they do not while program code
// fills, clears or stores the controls).
class EditState : public QObject {
    Q_OBJECT
public:
    EditMode mode() const { return mode_; }
    bool editing() const { return mode_ != EditMode::Normal; }
    // Sets the mode; modeChanged() follows every call, so that whoever
    // follows the mode shows it again even when it is the same.
    void setMode(EditMode mode);

    bool tracking() const { return tracking_; }
    void setTracking(bool tracking) { tracking_ = tracking; }

    // Changes are not tracked while it lives; then tracking is as it was.
    class Untracked {
    public:
        explicit Untracked(EditState &state)
            : state_(state)
            , was_(state.tracking_)
        {
            state_.tracking_ = false;
        }
        ~Untracked() { state_.tracking_ = was_; }
        Untracked(const Untracked &) = delete;
        Untracked &operator=(const Untracked &) = delete;

    private:
        EditState &state_;
        bool was_;
    };

signals:
    void modeChanged(EditMode mode);

private:
    EditMode mode_ = EditMode::Normal;
    bool tracking_ = false;
};

} // namespace vantorelle

#include "editor/begin_editing.h"

#include "context/edit_state.h"
#include "context/main_window_context.h"
#include "store/store.h"

namespace vantorelle {

void beginEditing(MainWindowContext &context)
{
    EditState &state = context.editState();
    const bool newProfile = state.mode() == EditMode::Add
        || context.store().table(TableId::MainID).recordCount() == 0;
    state.setMode(newProfile ? EditMode::Add : EditMode::Edit);
}

} // namespace vantorelle

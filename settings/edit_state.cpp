#include "settings/edit_state.h"

void EditState::setMode(EditMode mode)
{
    mode_ = mode;
    emit modeChanged(mode);
}

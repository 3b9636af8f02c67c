#include "context/edit_state.h"

namespace vantorelle {

void EditState::setMode(EditMode mode)
{
    mode_ = mode;
    emit modeChanged(mode);
}

} // namespace vantorelle

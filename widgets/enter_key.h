#pragma once

class QKeyEvent;
class QWidget;

namespace vantorelle {

bool isEnterKey(const QKeyEvent &event);

// In the windows where Enter presses only the button that has the focus (no
// command starts from a list, a box or a choice): clicks the focused widget of
// `window` when it is a push button. False when it is not.
bool clickFocusedButton(const QWidget &window);

} // namespace vantorelle

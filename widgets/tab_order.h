#pragma once

class QWidget;

namespace vantorelle {

// Sets the Tab order of the controls `container` lays out to the order a
// person reads them: row by row, each row left to right, through the layouts
// and the widgets laid out in one another. A control that takes the focus is
// one stop (its own parts, such as an editable list's edit, go with it); a
// widget that takes none is read through its layout, so the parts of a box
// or a picker are stops in their places. Shift+Tab goes back the same way.
// Controls added later are not in the order: call it once the container is
// complete.
void orderTabsByLayout(QWidget &container);

} // namespace vantorelle

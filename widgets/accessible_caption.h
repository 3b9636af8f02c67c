#pragma once

class QLabel;
class QString;
class QWidget;

namespace vantorelle {

// Makes `label`, shown beside `control`, the control's caption for assistive
// technology: the label is its buddy, which a screen reader reads as what the
// control is labelled by, and the control is named by the label's text. A
// buddy adds a shortcut only for a "&" in the label's text; captions hold none.
void captionControl(QLabel &label, QWidget &control);

// Names `control` by `caption` as it is shown, where no label of its own
// stands beside it. The parts of the control that take the focus (the edit of
// a text box, the tick box and the edit of a picker) get the same name, since
// a screen reader names the part that has the focus. Qt on Linux names a
// drop-down list by the item it shows instead.
void nameByCaption(QWidget &control, const QString &caption);

} // namespace vantorelle

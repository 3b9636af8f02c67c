#pragma once

#include "editor/panel_descriptor.h"

namespace vantorelle {

// The panels of the four reading topics: one or more measured values, stored
// as typed, with the date and time of the reading.
extern const PanelDescriptor bloodPressurePanel;
extern const PanelDescriptor cholesterolPanel;
extern const PanelDescriptor weightPanel;
extern const PanelDescriptor glucosePanel;

} // namespace vantorelle

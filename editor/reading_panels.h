#pragma once

#include "editor/panel_descriptor.h"

namespace vantorelle {

// The panels of the four reading topics: one or more measured values, stored
// as typed, with the date and time of the reading.
extern const PanelDescriptor BloodPressurePanel;
extern const PanelDescriptor CholesterolPanel;
extern const PanelDescriptor WeightPanel;
extern const PanelDescriptor GlucosePanel;

} // namespace vantorelle

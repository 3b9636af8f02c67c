#pragma once

#include "editor/panel_descriptor.h"

namespace vantorelle {

// The panels of the health-history topics: conditions, visits, medicines and
// relatives. Providers and pharmacies are chosen from the master lists and
// stored by their Key; locations are typed or chosen and stored as text.
extern const PanelDescriptor allergiesPanel;
extern const PanelDescriptor illnessesPanel;
extern const PanelDescriptor surgeriesPanel;
extern const PanelDescriptor appointmentsPanel;
extern const PanelDescriptor medicationsPanel;
extern const PanelDescriptor vaccinationsPanel;
extern const PanelDescriptor testsPanel;
extern const PanelDescriptor familyHistoryPanel;

} // namespace vantorelle

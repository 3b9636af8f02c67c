#pragma once

#include "editor/panel_descriptor.h"

namespace vantorelle {

// The panels of the health-history topics: conditions, visits, medicines and
// relatives. Providers and pharmacies are chosen from the master lists and
// stored by their Key; locations are typed or chosen and stored as text.
extern const PanelDescriptor AllergiesPanel;
extern const PanelDescriptor IllnessesPanel;
extern const PanelDescriptor SurgeriesPanel;
extern const PanelDescriptor AppointmentsPanel;
extern const PanelDescriptor MedicationsPanel;
extern const PanelDescriptor VaccinationsPanel;
extern const PanelDescriptor TestsPanel;
extern const PanelDescriptor FamilyHistoryPanel;

} // namespace vantorelle

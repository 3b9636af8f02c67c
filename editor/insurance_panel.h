#pragma once

#include "editor/master_picker.h"
#include "editor/panel_descriptor.h"

namespace vantorelle {

// The Insurance panel: an insurance company of the master list, linked to the
// current profile when saved.
class InsurancePanel : public MasterPicker {
    Q_OBJECT
public:
    static const PanelDescriptor descriptor;

    InsurancePanel(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel);

    // The company as last shown: a save under another name replaces the
    // profile's link. A pick forgets it, so that the picked company is linked.
    std::string shownCompany;

    SavedRecord store(const EditedRecord &record) override;

protected:
    void remember(const std::vector<std::string> &values) override;
    void forget() override;
};

} // namespace vantorelle

#include "editor/record_editor.h"

#include "context/edit_state.h"
#include "editor/begin_editing.h"
#include "editor/contacts_panel.h"
#include "editor/control_handlers.h"
#include "editor/history_panels.h"
#include "editor/insurance_panel.h"
#include "editor/panel_hooks.h"
#include "editor/personal_panel.h"
#include "editor/reading_panels.h"
#include "editor/topic_panel.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/record_editor_host.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"
#include "store/record_operations.h"
#include "store/store.h"
#include "text/cp1252.h"
#include "text/stored_text.h"
#include "widgets/tab_order.h"

#include <QLineEdit>

namespace vantorelle {

namespace {

// The panel of each topic, as data.
struct TopicPanelEntry {
    Topic topic;
    const PanelDescriptor *descriptor;
};

constexpr std::array<TopicPanelEntry, topicCount> topicPanels = {{
    {Topic::Personal, &PersonalPanel::descriptor},
    // The Legal topic edits the same profile record on the same panel.
    {Topic::Legal, &PersonalPanel::descriptor},
    {Topic::Insurance, &InsurancePanel::descriptor},
    {Topic::Contacts, &ContactsPanel::descriptor},
    {Topic::Allergies, &allergiesPanel},
    {Topic::Illnesses, &illnessesPanel},
    {Topic::Surgeries, &surgeriesPanel},
    {Topic::Appointments, &appointmentsPanel},
    {Topic::Medications, &medicationsPanel},
    {Topic::Vaccinations, &vaccinationsPanel},
    {Topic::Tests, &testsPanel},
    {Topic::BloodPressure, &bloodPressurePanel},
    {Topic::Weight, &weightPanel},
    {Topic::Glucose, &glucosePanel},
    {Topic::Cholesterol, &cholesterolPanel},
    {Topic::FamilyHistory, &familyHistoryPanel},
}};
static_assert(coversTopicsInOrder(topicPanels));

} // namespace

RecordEditor::RecordEditor(RecordEditorHost &host)
    : host_(host)
{
    for (const TopicPanelEntry &entry : topicPanels) {
        const Topic topic = entry.topic;
        // A topic sharing the previous topic's descriptor shares its panel.
        const bool shared = topic != Topic::Personal
            && topicPanels[topicIndex(topic) - 1].descriptor == entry.descriptor;
        panels_[topicIndex(topic)]
            = shared ? panels_[topicIndex(topic) - 1] : &addPanel(topic, *entry.descriptor);
    }
    addProfileHooks();
    // Complete now, with the buttons and boxes their topics add: Tab goes
    // through each panel as a person reads it. Legal's panel is Personal's.
    for (const TopicPanelEntry &entry : topicPanels) {
        if (entry.topic != Topic::Legal)
            orderTabsByLayout(*panel(entry.topic));
    }
    // The panels wait behind the viewer in normal mode; hidden, they take no
    // focus from it.
    connect(&host_.editState(), &EditState::modeChanged, this, [this](EditMode mode) {
        if (mode != EditMode::Normal)
            return;
        for (TopicPanel *panel : panels_)
            panel->hide();
    });
}

RecordEditor::~RecordEditor() = default;

TopicPanel &RecordEditor::addPanel(Topic topic, const PanelDescriptor &descriptor)
{
    auto *panel = new TopicPanel(topic, descriptor, host_.preferences());
    for (const PanelControl &control : descriptor.controls) {
        if (control.master)
            host_.registerMasterList(*control.master, panel->combo(control.row));
    }
    host_.addEditorPanel(panel);
    panel->hide();
    ControlHandlers::attach(host_, *panel);
    addEditListButtons(*panel);
    return *panel;
}

TopicPanel *RecordEditor::panelAt(std::optional<Topic> topic) const
{
    return topic ? panel(*topic) : nullptr;
}

void RecordEditor::bringToFront(TopicPanel &panel)
{
    for (TopicPanel *other : panels_) {
        if (other != &panel)
            other->hide();
    }
    host_.showEditorPanel(&panel);
}

void RecordEditor::clearPanel(Topic topic)
{
    panel(topic)->clear();
}

void RecordEditor::showPanel(Topic topic)
{
    fill(*panel(topic));
}

bool RecordEditor::fill(TopicPanel &panel)
{
    if (runTrapped(host_.installation(), QStringLiteral("showing fields to edit"), [&] {
            if (!host_.currentProfile())
                panel.clear();
            else
                panel.showRecord(host_.store().table(panel.descriptor().table));
            if (PanelHooks *hooks = panel.hooks())
                hooks->afterShow();
        }))
        return true;
    host_.editState().setMode(EditMode::Normal);
    return false;
}

void RecordEditor::saveRecord()
{
    const EditState::Untracked untracked(host_.editState());
    bool stored = false;
    const bool ran = runTrapped(host_.installation(), QStringLiteral("saving a record"), [&] {
        TopicPanel *panel = panelAt(host_.currentTopic());
        stored = !panel || save(*panel);
    });
    if (ran && stored)
        host_.editState().setMode(EditMode::Normal);
}

bool RecordEditor::save(TopicPanel &panel)
{
    const PanelDescriptor &descriptor = panel.descriptor();
    const std::vector<std::string> values = panel.values();
    for (int row : descriptor.required) {
        if (panel.blank(row)) {
            prompter().ask(QString::fromUtf8(AppInfo::title),
                ownText(descriptor.message.line1) + QStringLiteral("\r\n\r\n")
                    + ownText(descriptor.message.line2));
            return false;
        }
    }

    EditedRecord record;
    record.key = Cp1252::toStdString(panel.keyBox->text());
    if (!record.key.empty())
        record.row = panel.shownRow();
    record.recId = Cp1252::toStdString(panel.idBox->text());
    record.status = Cp1252::toStdString(panel.statusBox->text());
    const FieldTable &fields = *descriptor.fields;
    for (int row = 1; row <= fields.lastRow(); ++row)
        record.values.emplace_back(fields.row(row).name, values[std::size_t(row)]);

    // Every value, length and key is checked before a row is touched: the
    // record is stored whole, or not at all.
    PanelHooks *hooks = panel.hooks();
    const SavedRecord saved = hooks
        ? hooks->store(record)
        : RecordOperations(host_.store()).saveTopicRecord(descriptor.table, profileKey(), record);

    // The record is stored: whatever the refresh meets, the save is done.
    runTrapped(host_.installation(), QStringLiteral("saving a record"), [&] {
        if (hooks && hooks->refresh(saved))
            return;
        host_.showTopic();
        reselect(panel, values, saved.row);
    });
    return true;
}

std::string RecordEditor::profileKey()
{
    // The profile the selector shows; the profile table's current row only
    // when the selector shows none (and none at all is an error).
    if (const std::optional<ListedProfile> profile = host_.currentProfile())
        return profile->key;
    return std::string(host_.store().table(TableId::MainID).value("Key"));
}

void RecordEditor::reselect(
    const TopicPanel &panel, const std::vector<std::string> &values, RowHandle saved)
{
    const PanelDescriptor &descriptor = panel.descriptor();
    if (!gridLayout(panel.topic()))
        return;
    const std::string shown = descriptor.reselectLookup
        ? descriptor.reselectLookup(host_.store(), values)
        : descriptor.reselectText ? descriptor.reselectText(values, host_.preferences().display())
                                  : values[1];
    host_.selectSavedRecord(Cp1252::toUnicode(shown), saved, descriptor.endColumn);
}

void RecordEditor::setTextLimits()
{
    // Legal's panel is Personal's: each panel once.
    for (const TopicPanelEntry &entry : topicPanels) {
        if (entry.topic != Topic::Legal)
            panel(entry.topic)->setTextLimits();
    }
}

} // namespace vantorelle

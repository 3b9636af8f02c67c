#include "editor/record_editor.h"

#include "editor/contacts_panel.h"
#include "editor/handler_families.h"
#include "editor/history_panels.h"
#include "editor/insurance_panel.h"
#include "editor/panel_hooks.h"
#include "editor/personal_panel.h"
#include "editor/reading_panels.h"
#include "editor/saved_row.h"
#include "editor/topic_panel.h"
#include "mainwin/error_trap.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/main_window.h"
#include "platform/cp1252.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "store/record_operations.h"
#include "store/store.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The panel of each topic, as data.
struct TopicPanelEntry {
    Topic topic;
    const PanelDescriptor *descriptor;
};

constexpr std::array<TopicPanelEntry, TopicCount> topicPanels = {{
    {Topic::Personal, &PersonalPanel::descriptor},
    // The Legal topic edits the same profile record on the same panel.
    {Topic::Legal, &PersonalPanel::descriptor},
    {Topic::Insurance, &InsurancePanel::descriptor},
    {Topic::Contacts, &ContactsPanel::descriptor},
    {Topic::Allergies, &AllergiesPanel},
    {Topic::Illnesses, &IllnessesPanel},
    {Topic::Surgeries, &SurgeriesPanel},
    {Topic::Appointments, &AppointmentsPanel},
    {Topic::Medications, &MedicationsPanel},
    {Topic::Vaccinations, &VaccinationsPanel},
    {Topic::Tests, &TestsPanel},
    {Topic::BloodPressure, &BloodPressurePanel},
    {Topic::Weight, &WeightPanel},
    {Topic::Glucose, &GlucosePanel},
    {Topic::Cholesterol, &CholesterolPanel},
    {Topic::FamilyHistory, &FamilyHistoryPanel},
}};
static_assert(coversTopicsInOrder(topicPanels));

} // namespace

RecordEditor::RecordEditor(Main &main)
    : main_(main)
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

    connect(main_.cmdNewSave, &QPushButton::clicked, this, &RecordEditor::cmdNewSave_Click);
    connect(main_.cmdNewCancel, &QPushButton::clicked, this, &RecordEditor::cmdNewCancel_Click);
    connect(main_.cmdAdd, &QPushButton::clicked, this, &RecordEditor::cmdAdd_Click);
    connect(main_.cmdEdit, &QPushButton::clicked, this, &RecordEditor::cmdEdit_Click);
    connectRecordCommands();
}

RecordEditor::~RecordEditor()
{
    if (main_.editorHooks() == this)
        main_.installEditorHooks(nullptr);
}

TopicPanel &RecordEditor::addPanel(Topic topic, const PanelDescriptor &descriptor)
{
    auto *panel = new TopicPanel(topic, descriptor, main_.preferences());
    for (const PanelControl &control : descriptor.controls) {
        if (control.master)
            main_.registerMasterList(*control.master, panel->combo(control.row));
    }
    main_.addEditorPanel(panel);
    panel->hide();
    HandlerFamilies::attach(main_, *panel);
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
    panel.show();
    panel.raise();
}

void RecordEditor::ChangeMode(const QString &mode)
{
    if (mode != QLatin1String("Edit") && mode != QLatin1String("Add")) {
        main_.cmdNewCancel->hide();
        main_.cmdNewSave->hide();
        main_.setEditMenuEnabled(true);
        main_.lstTopics->setEnabled(true);
        main_.cmdNew->setEnabled(true);
        main_.cmdDelete->setEnabled(true);
        main_.cboProfiles->setEnabled(true);
        main_.StatusPanel2->setText(QString());
        main_.ModeText.clear();
        // The panels wait behind the viewer; hidden, they take no focus from it.
        for (TopicPanel *panel : panels_)
            panel->hide();
        return;
    }
    main_.lstTopics->setEnabled(false);
    main_.cmdNew->setEnabled(false);
    main_.cmdDelete->setEnabled(false);
    main_.cboProfiles->setEnabled(false);
    main_.setEditMenuEnabled(false);
    main_.cmdNewCancel->show();
    main_.cmdNewSave->show();
    main_.StatusPanel2->setText(QStringLiteral("EDIT MODE"));
    if (main_.store().dsMainID().recordCount() == 0)
        main_.ModeText = QStringLiteral("Add");
}

void RecordEditor::clearFields(Topic topic)
{
    panel(topic)->clear();
}

void RecordEditor::ShowFields(Topic topic)
{
    showPanel(*panel(topic));
}

bool RecordEditor::showPanel(TopicPanel &panel)
{
    if (runTrapped(main_.installation(), QStringLiteral("showing fields to edit"), [&] {
            if (main_.cboProfiles->count() == 0)
                panel.clear();
            else
                panel.showRecord(main_.store().table(panel.descriptor().table));
            if (PanelHooks *hooks = panel.hooks())
                hooks->afterShow();
        }))
        return true;
    main_.TrackEdits = true;
    ChangeMode(QStringLiteral("Clear"));
    return false;
}

void RecordEditor::cmdNewSave_Click()
{
    main_.TrackEdits = false;
    bool stored = false;
    const bool ran = runTrapped(main_.installation(), QStringLiteral("saving a record"), [&] {
        TopicPanel *panel = panelAt(main_.currentTopic());
        stored = !panel || save(*panel);
    });
    if (ran && stored) {
        ChangeMode(QStringLiteral("Clear"));
        main_.ModeText.clear();
    }
    main_.TrackEdits = true;
}

bool RecordEditor::save(TopicPanel &panel)
{
    const PanelDescriptor &descriptor = panel.descriptor();
    const std::vector<std::string> values = panel.values();
    for (int row : descriptor.required) {
        if (panel.blank(row)) {
            prompter().ask(QString::fromUtf8(AppInfo::title),
                text(descriptor.message.line1) + QStringLiteral("\r\n\r\n")
                    + text(descriptor.message.line2));
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
        : RecordOperations(main_.store()).saveTopicRecord(descriptor.table, profileKey(), record);

    // The record is stored: whatever the refresh meets, the save is done.
    runTrapped(main_.installation(), QStringLiteral("saving a record"), [&] {
        if (hooks && hooks->refresh(saved))
            return;
        main_.lstTopics_Click();
        reselect(panel, values, saved.key);
    });
    return true;
}

std::string RecordEditor::profileKey()
{
    // The profile the selector shows; the profile table's current row only
    // when the selector shows none (and none at all is an error).
    if (const QListWidgetItem *key = main_.lstKeys->item(main_.cboProfiles->currentIndex()))
        return Cp1252::toStdString(key->text());
    return std::string(main_.store().dsMainID().value("Key"));
}

void RecordEditor::reselect(
    const TopicPanel &panel, const std::vector<std::string> &values, const std::string &key)
{
    const PanelDescriptor &descriptor = panel.descriptor();
    const GridLayout *layout = gridLayout(panel.topic());
    if (!layout)
        return;
    QTableWidget *grid = main_.gridViewer;
    const std::string shown = descriptor.reselectLookup
        ? descriptor.reselectLookup(main_.store(), values)
        : descriptor.reselectText ? descriptor.reselectText(values, main_.preferences().display())
                                  : values[1];
    const int row
        = savedRow(grid, Cp1252::toUnicode(shown), Cp1252::toUnicode(key), layout->keyColumn());
    if (row < 0)
        return; // the grid keeps the row the refresh made current
    grid->setFocus();
    {
        const QSignalBlocker blocker(grid);
        grid->setCurrentCell(row, 0);
        grid->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, descriptor.endColumn), true);
    }
    main_.gridViewer_Click();
}

void RecordEditor::setTextLimits()
{
    // Legal's panel is Personal's: each panel once.
    for (const TopicPanelEntry &entry : topicPanels) {
        if (entry.topic != Topic::Legal)
            panel(entry.topic)->setTextLimits();
    }
}

#include "editor/control_handlers.h"

#include "context/edit_state.h"
#include "context/main_window_context.h"
#include "editor/begin_editing.h"
#include "editor/topic_panel.h"
#include "editor/type_ahead.h"
#include "store/store.h"
#include "text/stored_text.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QComboBox>
#include <QLineEdit>

namespace vantorelle {

void ControlHandlers::attach(MainWindowContext &context, TopicPanel &panel)
{
    new ControlHandlers(context, panel);
}

ControlHandlers::ControlHandlers(MainWindowContext &context, TopicPanel &panel)
    : QObject(&panel)
    , context_(context)
    , panel_(panel)
{
    for (const PanelControl &control : panel.descriptor().controls) {
        const int row = control.row;
        QComboBox *combo = panel.combo(row);
        switch (control.kind) {
        case ControlKind::Text:
        case ControlKind::Notes:
            connect(
                panel.textBox(row), &TextBox::textChanged, this, [this, row] { textChanged(row); });
            break;
        case ControlKind::EditCombo:
            if (control.typeAhead)
                TypeAhead::attach(combo);
            connect(combo, &QComboBox::editTextChanged, this, &ControlHandlers::controlChanged);
            connect(combo, &QComboBox::activated, this, &ControlHandlers::controlChanged);
            break;
        case ControlKind::ListCombo:
        case ControlKind::KeyList:
            connect(combo, &QComboBox::currentIndexChanged, this, &ControlHandlers::controlChanged);
            connect(combo, &QComboBox::activated, this, &ControlHandlers::controlChanged);
            break;
        case ControlKind::Date:
        case ControlKind::Time:
            connect(panel.picker(row), &DateTimePicker::changed, this,
                &ControlHandlers::controlChanged);
            break;
        }
    }
}

bool ControlHandlers::tracking() const
{
    return context_.editState().tracking() && !panel_.filling();
}

void ControlHandlers::controlChanged()
{
    if (tracking())
        beginEditing(context_);
}

void ControlHandlers::textChanged(int row)
{
    const std::optional<RowHandle> shown = panel_.shownRow();
    if (!tracking() || panel_.keyBox->text().isEmpty() || !shown)
        return;
    // Compared with the row as stored now; a row gone since switches nothing.
    const MemoryTable &table = context_.store().table(panel_.descriptor().table);
    const auto column = table.columnIndex(panel_.descriptor().fields->row(row).name);
    if (!column || !table.isVisible(*shown))
        return;
    if (storedText(panel_.textBox(row)->text()) != table.valueAt(*shown, *column))
        beginEditing(context_);
}

} // namespace vantorelle

#include "editor/handler_families.h"

#include "editor/text_box.h"
#include "editor/topic_panel.h"
#include "editor/type_ahead.h"
#include "mainwin/main_window.h"
#include "platform/cp1252.h"
#include "platform/date_time_picker.h"
#include "store/store.h"

#include <QComboBox>
#include <QLineEdit>

void HandlerFamilies::attach(Main &main, TopicPanel &panel)
{
    new HandlerFamilies(main, panel);
}

HandlerFamilies::HandlerFamilies(Main &main, TopicPanel &panel)
    : QObject(&panel)
    , main_(main)
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
            connect(combo, &QComboBox::editTextChanged, this, &HandlerFamilies::controlChanged);
            connect(combo, &QComboBox::activated, this, &HandlerFamilies::controlChanged);
            break;
        case ControlKind::ListCombo:
        case ControlKind::KeyList:
            connect(combo, &QComboBox::currentIndexChanged, this, &HandlerFamilies::controlChanged);
            connect(combo, &QComboBox::activated, this, &HandlerFamilies::controlChanged);
            break;
        case ControlKind::Date:
        case ControlKind::Time:
            connect(panel.picker(row), &DateTimePicker::changed, this,
                &HandlerFamilies::controlChanged);
            break;
        }
    }
}

bool HandlerFamilies::tracking() const
{
    return main_.TrackEdits && !panel_.filling();
}

void HandlerFamilies::controlChanged()
{
    if (tracking())
        main_.ChangeMode(QStringLiteral("Edit"));
}

void HandlerFamilies::textChanged(int row)
{
    const std::optional<RowHandle> shown = panel_.shownRow();
    if (!tracking() || panel_.keyBox->text().isEmpty() || !shown)
        return;
    // Compared with the row as stored now; a row gone since switches nothing.
    const MemoryTable &table = main_.store().table(panel_.descriptor().table);
    const auto column = table.columnIndex(panel_.descriptor().fields->row(row).name);
    if (!column || !table.isVisible(*shown))
        return;
    const QString text = panel_.textBox(row)->text();
    const std::string stored
        = Cp1252::toStdString(QString(text).replace(u'\n', QLatin1String("\r\n")));
    if (stored != table.valueAt(*shown, *column))
        main_.ChangeMode(QStringLiteral("Edit"));
}

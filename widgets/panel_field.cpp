#include "widgets/panel_field.h"

#include "text/stored_text.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QComboBox>

namespace vantorelle {

QWidget *PanelField::widget() const
{
    if (text)
        return text;
    if (combo)
        return combo;
    return picker;
}

std::string PanelField::storedValue() const
{
    if (text)
        return storedText(text->text());
    if (combo && !combo->isEditable() && combo->currentIndex() < 0)
        return {};
    if (combo)
        return storedText(combo->currentText());
    return picker->storedText().toStdString();
}

} // namespace vantorelle

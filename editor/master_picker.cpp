#include "editor/master_picker.h"

#include "editor/begin_editing.h"
#include "editor/record_editor.h"
#include "editor/topic_panel.h"
#include "mainwin/record_editor_host.h"
#include "platform/cp1252.h"
#include "settings/edit_state.h"
#include "store/criterion.h"
#include "store/store.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace vantorelle {

MasterPicker::MasterPicker(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel,
    MasterList list, const QString &buttonName, const QString &listName)
    : button(new QPushButton(QStringLiteral("Select"), &panel))
    , list(new QListWidget(&panel))
    , editor_(editor)
    , host_(host)
    , panel_(panel)
{
    button->setObjectName(buttonName);
    this->list->setObjectName(listName);
    auto *layout = static_cast<QGridLayout *>(panel.layout());
    const int line = layout->rowCount();
    layout->addWidget(button, line, 0, Qt::AlignTop);
    layout->addWidget(this->list, line, 1, 1, -1);
    button->hide();
    this->list->hide();
    host.registerMasterList(list, this->list);
    connect(button, &QPushButton::clicked, this, &MasterPicker::cmdSelect_Click);
    connect(this->list, &QListWidget::itemClicked, this, &MasterPicker::lstSelect_Click);
}

void MasterPicker::cmdSelect_Click()
{
    const bool show = button->text() == QLatin1String("Select");
    list->setVisible(show);
    button->setText(show ? QStringLiteral("Cancel") : QStringLiteral("Select"));
}

void MasterPicker::lstSelect_Click()
{
    cmdSelect_Click();
    // Each item carries its master's Key: the pick finds its record even when
    // the table's order has changed since the list was filled.
    const QListWidgetItem *item = list->currentItem();
    MemoryTable &masters = host_.store().table(panel_.descriptor().table);
    if (item && masters.recordCount() > 0) {
        masters.moveFirst();
        const std::string key = Cp1252::toStdString(item->data(Qt::UserRole).toString());
        if (masters.find(Criterion::equal("Key", key))) {
            {
                const QScopedValueRollback picking(picking_, true);
                editor_.showPanel(panel_.topic());
            }
            if (host_.editState().tracking())
                beginEditing(host_);
            forget();
        }
    }
    list->hide();
}

void MasterPicker::afterClear()
{
    button->setText(QStringLiteral("Select"));
    button->show();
    list->hide();
}

void MasterPicker::afterShow()
{
    remember(panel_.values());
    if (!picking_) {
        button->hide();
        list->hide();
    }
}

} // namespace vantorelle

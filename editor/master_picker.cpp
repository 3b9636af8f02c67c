#include "editor/master_picker.h"

#include "context/edit_state.h"
#include "editor/begin_editing.h"
#include "editor/record_editor.h"
#include "editor/topic_panel.h"
#include "mainwin/record_editor_host.h"
#include "store/criterion.h"
#include "store/store.h"
#include "text/cp1252.h"
#include "widgets/enter_key.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace vantorelle {

MasterPicker::MasterPicker(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel,
    MasterList list, const QString &buttonName, const QString &listName)
    : editor_(editor)
    , host_(host)
    , panel_(panel)
    , button_(new QPushButton(QStringLiteral("Select"), &panel))
    , list_(new QListWidget(&panel))
{
    button_->setObjectName(buttonName);
    list_->setObjectName(listName);
    auto *layout = static_cast<QGridLayout *>(panel.layout());
    const int line = layout->rowCount();
    layout->addWidget(button_, line, 0, Qt::AlignTop);
    layout->addWidget(list_, line, 1, 1, -1);
    button_->hide();
    list_->hide();
    host.registerMasterList(list, list_);
    connect(button_, &QPushButton::clicked, this, &MasterPicker::toggleList);
    connect(list_, &QListWidget::itemClicked, this, &MasterPicker::pickFromList);
    list_->installEventFilter(this);
}

void MasterPicker::toggleList()
{
    const bool show = button_->text() == QLatin1String("Select");
    // The button keeps the keyboard while the list it had given it to goes.
    if (!show && list_->hasFocus())
        button_->setFocus(Qt::OtherFocusReason);
    list_->setVisible(show);
    button_->setText(show ? QStringLiteral("Cancel") : QStringLiteral("Select"));
    if (show)
        list_->setFocus(Qt::OtherFocusReason);
}

bool MasterPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != list_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (isEnterKey(*key) || key->key() == Qt::Key_Space) {
        if (list_->currentItem())
            pickFromList();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        toggleList();
        return true;
    }
    return false;
}

void MasterPicker::pickFromList()
{
    toggleList();
    // Each item carries its master's Key: the pick finds its record even when
    // the table's order has changed since the list was filled.
    const QListWidgetItem *item = list_->currentItem();
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
    list_->hide();
}

void MasterPicker::afterClear()
{
    button_->setText(QStringLiteral("Select"));
    button_->show();
    list_->hide();
}

void MasterPicker::afterShow()
{
    remember(panel_.values());
    if (!picking_) {
        button_->hide();
        list_->hide();
    }
}

bool MasterPicker::refresh(const SavedRecord &)
{
    editor_.fillMasterLists(panel_);
    return false;
}

} // namespace vantorelle

#include "mainwin/main_window.h"

#include "mainwin/long_operation.h"
#include "mainwin/record_editor_hooks.h"
#include "settings/error_trap.h"
#include "store/listing_order.h"
#include "store/store.h"
#include "text/cp1252.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace vantorelle {

void MainWindow::showRecords()
{
    const EditMode mode = editState_.mode();
    {
        const LongOperation busy(*this);
        profileSelector_->hide();
        bool listed = false;
        {
            const QSignalBlocker blocker(profileSelector_);
            profileSelector_->clear();
            profileKeys_->clear();
            MemoryTable &profiles = store().table(TableId::MainID);
            profiles.setFilter(Criterion::standardFilter());
            profiles.setSort(listingSort(TableId::MainID));
            for (profiles.moveFirst(); !profiles.eof(); profiles.moveNext()) {
                std::string name(profiles.value("Last"));
                name.append(", ").append(profiles.value("First"));
                profileSelector_->addItem(Cp1252::toUnicode(name));
                profileKeys_->addItem(Cp1252::toUnicode(std::string(profiles.value("Key"))));
            }
            listed = profileSelector_->count() > 0;
            profileSelector_->show();
            if (listed)
                profileSelector_->setCurrentIndex(0);
        }
        if (!listed) {
            if (editorHooks_)
                editorHooks_->clearPanel(Topic::Personal);
        } else {
            profileChosen();
            MemoryTable &profiles = store().table(TableId::MainID);
            recordCountLabel_->setText(
                QStringLiteral("Records Listed: ") + QString::number(profiles.recordCount()));
            profiles.moveFirst();
        }
    }

    // A new profile being entered stays in Add mode; any other work ends.
    if (mode != EditMode::Add) {
        editState_.setMode(EditMode::Normal);
        if (profileSelector_->count() > 0) {
            const QSignalBlocker blocker(profileSelector_);
            profileSelector_->setCurrentIndex(0);
            if (isVisible())
                profileSelector_->setFocus();
        }
    }
}

std::optional<ListedProfile> MainWindow::currentProfile() const
{
    const int index = profileSelector_->currentIndex();
    const QListWidgetItem *key = profileKeys_->item(index);
    if (!key)
        return std::nullopt;
    return ListedProfile {Cp1252::toStdString(key->text()), profileSelector_->itemText(index)};
}

bool MainWindow::selectProfile(const std::string &key)
{
    const QString wanted = Cp1252::toUnicode(key);
    for (int i = 0; i < profileKeys_->count(); ++i) {
        if (profileKeys_->item(i)->text() != wanted)
            continue;
        if (i != profileSelector_->currentIndex())
            profileSelector_->setCurrentIndex(i); // shows that profile
        return true;
    }
    return false;
}

void MainWindow::profileChosen()
{
    if (profileSelector_->count() == 0) {
        // While a first profile is being entered there is nothing to show.
        if (!saveButton_->isVisibleTo(this) && editorHooks_)
            editorHooks_->newProfile();
        return;
    }
    runTrapped(installation_, QStringLiteral("listing all records"), [this] {
        const EditState::Untracked untracked(editState_);
        if (profileSelector_->currentIndex() < 0) {
            const QSignalBlocker blocker(profileSelector_);
            profileSelector_->setCurrentIndex(0);
        }
        {
            const QSignalBlocker blocker(topicList_);
            topicList_->setCurrentRow(0);
        }
        topicChosen();
    });
}

} // namespace vantorelle

#include "mainwin/main_window.h"

#include "mainwin/long_operation.h"
#include "mainwin/record_editor_hooks.h"
#include "platform/cp1252.h"
#include "settings/error_trap.h"
#include "store/store.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void Main::showRecords()
{
    const EditMode mode = editState_.mode();
    {
        const LongOperation busy(*this);
        cboProfiles->hide();
        bool listed = false;
        {
            const QSignalBlocker blocker(cboProfiles);
            cboProfiles->clear();
            lstKeys->clear();
            MemoryTable &profiles = store().dsMainID();
            profiles.setFilter(Criterion::standardFilter());
            profiles.setSort({"Last", "First"});
            for (profiles.moveFirst(); !profiles.eof(); profiles.moveNext()) {
                std::string name(profiles.value("Last"));
                name.append(", ").append(profiles.value("First"));
                cboProfiles->addItem(Cp1252::toUnicode(name));
                lstKeys->addItem(Cp1252::toUnicode(std::string(profiles.value("Key"))));
            }
            listed = cboProfiles->count() > 0;
            cboProfiles->show();
            if (listed)
                cboProfiles->setCurrentIndex(0);
        }
        if (!listed) {
            if (editorHooks_)
                editorHooks_->clearPanel(Topic::Personal);
        } else {
            profileChosen();
            MemoryTable &profiles = store().dsMainID();
            StatusPanel1->setText(
                QStringLiteral("Records Listed: ") + QString::number(profiles.recordCount()));
            profiles.moveFirst();
        }
    }

    // A new profile being entered stays in Add mode; any other work ends.
    if (mode != EditMode::Add) {
        editState_.setMode(EditMode::Normal);
        if (cboProfiles->count() > 0) {
            const QSignalBlocker blocker(cboProfiles);
            cboProfiles->setCurrentIndex(0);
            if (isVisible())
                cboProfiles->setFocus();
        }
    }
}

std::optional<ListedProfile> Main::currentProfile() const
{
    const int index = cboProfiles->currentIndex();
    const QListWidgetItem *key = lstKeys->item(index);
    if (!key)
        return std::nullopt;
    return ListedProfile {Cp1252::toStdString(key->text()), cboProfiles->itemText(index)};
}

bool Main::selectProfile(const std::string &key)
{
    const QString wanted = Cp1252::toUnicode(key);
    for (int i = 0; i < lstKeys->count(); ++i) {
        if (lstKeys->item(i)->text() != wanted)
            continue;
        if (i != cboProfiles->currentIndex())
            cboProfiles->setCurrentIndex(i); // shows that profile
        return true;
    }
    return false;
}

void Main::profileChosen()
{
    if (cboProfiles->count() == 0) {
        // While a first profile is being entered there is nothing to show.
        if (!cmdNewSave->isVisibleTo(this) && editorHooks_)
            editorHooks_->newProfile();
        return;
    }
    runTrapped(installation_, QStringLiteral("listing all records"), [this] {
        const EditState::Untracked untracked(editState_);
        if (cboProfiles->currentIndex() < 0) {
            const QSignalBlocker blocker(cboProfiles);
            cboProfiles->setCurrentIndex(0);
        }
        {
            const QSignalBlocker blocker(lstTopics);
            lstTopics->setCurrentRow(0);
        }
        topicChosen();
    });
}

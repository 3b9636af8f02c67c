#include "mainwin/main_window.h"

#include "mainwin/error_trap.h"
#include "mainwin/long_operation.h"
#include "platform/cp1252.h"
#include "store/store.h"

#include <QSignalBlocker>

void Main::ShowRecords()
{
    const QString mode = ModeText;
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
            clearFields(Topic::Personal);
        } else {
            cboProfiles_Click();
            MemoryTable &profiles = store().dsMainID();
            StatusPanel1->setText(
                QStringLiteral("Records Listed: ") + QString::number(profiles.recordCount()));
            profiles.moveFirst();
        }
    }

    if (mode != QLatin1String("Add") && mode != QLatin1String("Edit")) {
        ChangeMode(QStringLiteral("Clear"));
        if (cboProfiles->count() > 0) {
            const QSignalBlocker blocker(cboProfiles);
            cboProfiles->setCurrentIndex(0);
            if (isVisible())
                cboProfiles->setFocus();
        }
    }
}

void Main::cboProfiles_Change()
{
    if (cboProfiles->count() == 0) {
        // While a first profile is being entered there is nothing to show.
        if (!cmdNewSave->isVisibleTo(this))
            cmdNew_Click();
        return;
    }
    const bool tracking = TrackEdits;
    runTrapped(installation_, QStringLiteral("listing all records"), [this] {
        TrackEdits = false;
        if (cboProfiles->currentIndex() < 0) {
            const QSignalBlocker blocker(cboProfiles);
            cboProfiles->setCurrentIndex(0);
        }
        {
            const QSignalBlocker blocker(lstTopics);
            lstTopics->setCurrentRow(0);
        }
        lstTopics_Click();
    });
    TrackEdits = tracking;
}

void Main::cboProfiles_Click()
{
    cboProfiles_Change();
}

#pragma once

#include "editor/panel_hooks.h"
#include "mainwin/master_list_filler.h"

#include <QObject>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace vantorelle {

class RecordEditor;
class RecordEditorHost;
class TopicPanel;

// What the Insurance and Contacts panels share: they edit a master record
// (an insurance company, a contact) shared by every profile, and saving links
// the current profile to it. A picker, a "Select" button with a list of every
// master record, loads an existing one into the panel, so that saving links
// it to the profile.
class MasterPicker : public QObject, public PanelHooks {
    Q_OBJECT
public:
    // Adds the picker to `panel`, the button and list named `buttonName` and
    // `listName`; the list is filled with the master list `list`.
    MasterPicker(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel, MasterList list,
        const QString &buttonName, const QString &listName);

    // A new record is offered the picker, its list hidden.
    void afterClear() override;
    // A record shown for editing keeps its master: the picker goes, unless
    // the record was just picked.
    void afterShow() override;
    // A save has stored the master record, maybe new or renamed: every list
    // offers it at once, as after the master-list editor. The frame then
    // refreshes the grid.
    bool refresh(const SavedRecord &saved) override;

protected:
    // The list by keyboard: Enter or Space picks the current entry, as a
    // click does; Escape closes the list, as the button does.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The values that enter the link Key, as the panel shows them (values[i] is row i).
    virtual void remember(const std::vector<std::string> &values) = 0;
    virtual void forget() = 0;

    RecordEditor &editor_;
    RecordEditorHost &host_;
    TopicPanel &panel_;

private:
    // The button: shows the list ("Cancel"), which takes the keyboard, or
    // hides it again ("Select").
    void toggleList();
    // A pick from the list: loads that master record, in editing mode, and
    // forgets the remembered values, so that saving links it to the profile.
    void pickFromList();

    QPushButton *const button_;
    QListWidget *const list_;
    bool picking_ = false;
};

} // namespace vantorelle

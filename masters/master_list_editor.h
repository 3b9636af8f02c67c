#pragma once

#include "context/main_window_context.h"
#include "masters/master_list_definition.h"
#include "store/memory_table.h"

#include <QDialog>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace vantorelle {

class MasterPanel;

// The master-list editor: one of the six master lists, its items by name,
// and the chosen item's fields in the list's panel. New, Edit, Save, Delete
// and Cancel change the list's table in memory, keeping record id, status and
// Key right for the handheld; the files are written at the next Save All.
//
// Browsing, the list and its items can be chosen and the panel is read-only;
// editing (after New or Edit), only the panel, Save, Cancel and Close work.
class MasterListEditor : public QDialog {
    Q_OBJECT
public:
    // The editor on `list`, browsing.
    MasterListEditor(MainWindowContext &context, MasterListId list, QWidget *parent = nullptr);
    ~MasterListEditor() override;

    // Opens the editor on `list` and returns when it is closed; the caller
    // then refills whatever lists the master tables.
    static void edit(MainWindowContext &context, MasterListId list, QWidget *parent = nullptr);

    // Chooses a list, as picking it in the list chooser does: its items are
    // listed and the first is shown; the provider panel's type and location
    // lists are filled from the tables as they are now.
    void chooseList(MasterListId list);
    MasterListId list() const;
    bool editing() const { return editing_; }

public slots:
    // Escape and the window's close button: Close.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The item a row of the item list stands for.
    struct ListedItem {
        std::string key;
        RowHandle row;
    };
    // The item the panel shows: what a save stores it under.
    struct ShownItem {
        std::string recId;
        std::string status;
        std::string key; // empty: a new item, not yet stored
        std::optional<RowHandle> row;
    };

    const MasterListDefinition &currentList() const;
    MasterPanel &panel() const;
    MemoryTable &table() const;

    // The list chooser's pick: the items listed again, the first shown.
    void listChosen();
    // Lists the items of the chosen list's table, in the list's order.
    void fillItems();
    // Selects row `row` of the item list (the last row when there are fewer)
    // and shows its item.
    void selectRow(int row);
    void showSelectedItem();
    void setEditing(bool editing);

    void newItem();
    void editItem();
    void saveItem();
    // Stores the panel's item; its row, or none when a required entry is empty.
    std::optional<RowHandle> save();
    void deleteItem();
    void cancelEditing();
    void closeEditor();

    MainWindowContext &context_;

    // The controls carry short object names, by which tests find them.
    QComboBox *listChooser_;
    QListWidget *items_;
    QStackedWidget *panelStack_;
    std::array<MasterPanel *, masterListCount> panels_ {};
    QPushButton *newButton_;
    QPushButton *editButton_;
    QPushButton *deleteButton_;
    QPushButton *saveButton_;
    QPushButton *cancelButton_;
    QPushButton *closeButton_;

    std::vector<ListedItem> listed_; // by row of the item list
    std::optional<ShownItem> shown_;
    bool editing_ = false;
};

} // namespace vantorelle

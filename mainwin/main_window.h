#pragma once

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwin/master_list_filler.h"
#include "mainwin/secondary_windows.h"
#include "mainwin/table_access.h"
#include "platform/rich_text_view.h"
#include "settings/installation.h"
#include "settings/main_window_actions.h"
#include "settings/preferences.h"
#include "store/topics.h"

class frmSplash;
class InstanceGuard;
class QGridLayout;
class RecordEditorHooks;
class Store;
struct StoreFailure;

// The application's main window: profile selector, topic list, record grid,
// record viewer, the area of the entry panels, and the menus. Everything the
// program does at start-up happens in Form_Load, before the window is shown.
//
// The procedures live in files named after what they hold: start-up in
// startup.cpp, close and Save All in shutdown.cpp, the profile selector in
// profile_selector.cpp, the topic list in topic_list.cpp, the record viewer in
// record_viewer.cpp, the master-list combos in master_lists.cpp, the menu
// handlers in menus.cpp.
class Main : public QMainWindow, public MainWindowActions
{
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // ---- Start-up and shutdown (startup.cpp, shutdown.cpp)

    // The load step. False when the program must end at once without showing
    // the window (another copy runs, the password was wrong twice, a table the
    // program cannot do without failed to load). Whatever fails once the
    // preferences are in, the password is still asked for.
    bool Form_Load();
    // The close step; Cancel = true keeps the window open. Past its question it
    // ends the program, every other window with it.
    void Form_Unload(bool &Cancel);
    // Save All: drops pending editor work, writes every table back and shows
    // the current profile again. Table files that could not be written are
    // named to the user in one error box.
    void mnuSaveAll_Click() { saveAll(); }
    // True once the close step has gone past its question: code that resumes
    // after a modal window must stop, the program is ending.
    bool closing() const { return closing_; }

    // The record store, there from the load step on.
    Store &store() { return *store_; }
    bool hasStore() const { return store_ != nullptr; }
    // The user's preferences, loaded by the load step.
    Preferences &preferences() { return preferences_; }
    // The installation the load step settled; read-only for the whole run.
    const Installation &installation() const { return installation_; }
    // The folder the next backup is offered, from the settings file at the
    // load step and changed by each backup.
    const QString &backupFolder() const { return backupFolder_; }

    // What the load step uses that tests may change first.
    QString instanceLockPath;      // the lock a second copy finds taken
    int splashMilliseconds = 1500; // the least time the splash window shows

    // ---- What the handheld, backup and watch commands use (shutdown.cpp)
    // Save All; returns the table files that could not be written.
    QStringList saveAll() override;
    void keepFilesOnExit() override { keepFilesOnExit_ = true; }
    void closeMainWindow() override { close(); }
    void discardEditorWork() override
    {
        if (cmdNewCancel->isVisibleTo(this))
            cmdNewCancel_Click();
    }
    // Ends the program without the close step: nothing is written.
    void endApplication() override;
    void setHotsyncDetected() override { HotsyncDetected = true; }
    void setWatchEnabled(bool enabled) override;

    // ---- The record editor, reached through the installed hooks (no-ops without)

    // Installs the editor (nullptr: none). The caller keeps ownership.
    void installEditorHooks(RecordEditorHooks *hooks) { editorHooks_ = hooks; }
    RecordEditorHooks *editorHooks() const { return editorHooks_; }
    void ChangeMode(const QString &mode);
    void clearFields(Topic topic);
    void ShowFields(Topic topic);
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdNewCancel_Click();

    // ---- Profile selector (profile_selector.cpp)
    void ShowRecords();
    void cboProfiles_Change();
    void cboProfiles_Click();

    // ---- Topic list and record grid (topic_list.cpp)
    // The topic the topic list shows; none while it shows none.
    std::optional<Topic> currentTopic() const;
    void lstTopics_Click();

    // ---- Record viewer (record_viewer.cpp)
    // Index of cell (row, col) in the grid's cell-text array.
    static int gridIndex(int row, int col, const QTableWidget *grid);
    void gridViewer_Click();
    void gridViewer_SelChange();
    // The text of the cell at `index` of the grid's cell-text array (see
    // gridIndex); "" outside the grid.
    static QString gridText(const QTableWidget *grid, int index);

    // ---- Master-list combo boxes (master_lists.cpp)
    void FillMasterLists();
    // The editor registers each of its controls that offers a master list;
    // FillMasterLists refills them all, every item carrying its master's Key.
    void registerMasterList(MasterList list, QComboBox *combo);
    void registerMasterList(MasterList list, QListWidget *listBox);

    // ---- Menu commands (menus.cpp)
    void mnuAddNew_Click();
    void mnuEditMaster_Click(qint16 Index);
    void mnuExit_Click();
    void mnuExport_Click();
    void mnuImport_Click();
    void mnuGraph_Click();
    void mnuPrint_Click();
    void mnuPrintMaster_Click();
    void mnuPrefs_Click();
    void mnuPassword_Click();
    void mnuManual_Click();
    void mnuAbout_Click();
    void mnuWebsite_Click();
    void mnuDnldUpdate_Click();
    // Handheld, backup and restore commands (handheld_menus.cpp)
    void mnuBackup_Click();
    void mnuRestore_Click();
    void mnuTransfer_Click();
    void mnuRetrieve_Click();
    void mnuReinstallHH_Click();
    // Enables or disables the Edit menu and each of its items, shortcuts included.
    void setEditMenuEnabled(bool enabled);
    // The windows of other subsystems the menus open; set by the program.
    SecondaryWindows secondaryWindows;

    // ---- Long operations: hourglass, window disabled and repainted, pending
    // events processed; then back.
    void beginLongOperation();
    void endLongOperation();

    // ---- Shared main-window state
    bool TrackEdits = false;     // false while program code fills, clears or stores entry controls
    QString ModeText;            // "Add" while a new profile is being entered
    bool HotsyncDetected = false; // the close was forced by a running synchronisation
    QString ProfileFilter;       // "STATUS <> '0x0002'", the filter every table carries
    qint32 BaseWidth = 0;        // inner size as laid out, in twips
    qint32 BaseHeight = 0;

    // ---- Controls
    QComboBox *cboProfiles;
    QListWidget *lstKeys; // hidden: the Key of each profile at the selector's index
    QListWidget *lstTopics;
    QPushButton *cmdNew;
    QPushButton *cmdDelete;

    // The record viewer frame: grid over viewer, command buttons below. Hiding
    // the grid gives the viewer the whole frame, so nothing is placed by hand.
    QFrame *frmViewer;
    QTableWidget *gridViewer; // read-only, whole rows selected
    RichTextView *rtViewer;
    QPushButton *cmdAdd;
    QPushButton *cmdDel;
    QPushButton *cmdEdit;
    QPushButton *cmdViewProvider;

    // The record-save frame of the editor.
    QPushButton *cmdNewSave;
    QPushButton *cmdNewCancel;

    QStatusBar *StatusBar1;
    QLabel *StatusPanel1; // "Records Listed: n"
    QLabel *StatusPanel2; // "EDIT MODE"
    QTimer *Timer1;       // the synchronisation watch, one tick a second

    // ---- Menus (captions and shortcuts set here; handlers connected in menus.cpp)
    QMenu *mnuFile;
    QAction *mnuSaveAll, *mnuSep6, *mnuImport, *mnuExport, *mnuSep10, *mnuBackup, *mnuRestore,
        *mnuHH, *mnuTransfer, *mnuRetrieve, *mnuReinstallHH, *mnuSep4, *mnuGraph, *mnuSep5,
        *mnuPrint, *mnuPrintMaster, *mnuSep3, *mnuExit;
    QMenu *mnuEdit;
    QAction *mnuAddNew, *mnuSepEdit1;
    std::array<QAction *, 6> mnuEditMaster; // 0 contacts .. 5 provider types
    QAction *mnuSepEdit2, *mnuPrefs, *mnuPassword;
    QMenu *mnuHelp;
    QAction *mnuManual, *mnuAbout, *mnuH1, *mnuWebsite, *mnuDnldUpdate;

    // Puts an entry panel (or a panel's button frame) into the panel area, where
    // it overlaps frmViewer: raise() brings one to the front, lower() sends it back.
    void addEditorPanel(QWidget *panel);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectMenus();
    void connectHandheldMenus();
    void connectViews();
    // The in-memory tables of the store, for the views.
    TableAccess tableAccess();
    std::function<void(const std::string &, const std::string &, const std::string &)>
    setPrefFunction();

    bool loadTables();
    void prepareWindow(frmSplash &splash);
    bool passwordGate();
    void showFirstTopic();
    // One error box naming the table files that could not be written.
    void reportSaveFailures(const std::vector<StoreFailure> &failures);
    void endProgram();

    std::unique_ptr<InstanceGuard> instanceGuard_;
    std::unique_ptr<Store> store_;
    Preferences preferences_;
    Installation installation_;
    QString backupFolder_;
    bool keepFilesOnExit_ = false; // the files on disk were restored, retrieved or moved
    MasterListFiller masterLists_;
    RecordEditorHooks *editorHooks_ = nullptr;
    QGridLayout *panelArea_ = nullptr;
    int longOperations_ = 0;
    bool closing_ = false;
};

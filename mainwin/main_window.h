#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "context/edit_state.h"
#include "context/main_window_actions.h"
#include "mainwin/master_list_filler.h"
#include "mainwin/record_editor_host.h"
#include "mainwin/secondary_windows.h"
#include "mainwin/table_access.h"
#include "platform/modal_window_ender.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/topics.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedLayout;
class QTableWidget;
class QTimer;

namespace vantorelle {

class ColumnFitter;
class SplashWindow;
class InstanceGuard;
class RecordEditorHooks;
class RichTextView;
class Store;
struct StoreFailure;

// The application's main window: profile selector, topic list, record grid,
// record viewer, the area of the entry panels, and the menus. Everything the
// program does at start-up happens in load(), before the window is shown.
//
// Its controls are its own: the record editor and the windows beside it reach
// it through RecordEditorHost and MainWindowContext, the handheld, backup and
// watch commands through MainWindowActions. The controls carry short object
// names, by which tests find them.
//
// The procedures live in files named after what they hold: start-up in
// startup.cpp, close and Save All in shutdown.cpp, the profile selector in
// profile_selector.cpp, the topic list in topic_list.cpp, the record viewer in
// record_viewer.cpp, the delete commands in delete_commands.cpp, the menu
// handlers in menus.cpp and the handheld and backup ones in handheld_menus.cpp,
// the keyboard focus after a command in focus_return.cpp.
class MainWindow : public QMainWindow, public RecordEditorHost, public MainWindowActions {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // ---- Before the load step
    // The lock a second copy finds taken.
    void setInstanceLockPath(const QString &path) { instanceLockPath_ = path; }
    // The least time the splash window shows.
    void setSplashMilliseconds(int milliseconds) { splashMilliseconds_ = milliseconds; }
    // Installs the editor (nullptr: none). The caller keeps ownership.
    void installEditorHooks(RecordEditorHooks *hooks) { editorHooks_ = hooks; }
    // The windows of other subsystems the menus open; set by the program.
    void setSecondaryWindows(SecondaryWindows windows) { secondaryWindows_ = std::move(windows); }

    // The load step. False when the program must end at once without showing
    // the window (another copy runs, the data folder cannot be read, the
    // password was wrong twice, a table the program cannot do without failed
    // to load). Whatever fails once the preferences are in, the password is
    // still asked for.
    bool load();
    // True once the close step has gone past its question, or the session
    // ended during the start-up: code that resumes after a modal window must
    // stop, the program is ending.
    bool closing() const override { return closing_; }
    // The end of the desktop session (a signal): the program ends as a close
    // forced by a synchronisation does, but asks nothing and shows no box at
    // all. Every table and the settings are written; a record being typed is
    // left out, which the error log says, naming `signalNumber`; failures go
    // to the error log. A command at work finishes first, and a question or
    // dialog it has open ends unanswered, which stops it with nothing changed.
    // During the start-up nothing of this run is written: load() stops and
    // returns false. Only the first call counts.
    void endSession(int signalNumber);
    bool sessionEnded() const { return sessionEnded_; }
    // "SIGTERM" and the like once the session has ended; empty before.
    QString sessionEndCause() const override;

    bool hasStore() const { return store_ != nullptr; }
    // The folder the next backup is offered, from the settings file at the
    // load step and changed by each backup.
    const QString &backupFolder() const { return backupFolder_; }

    // ---- MainWindowContext
    // The record store, there from the load step on.
    Store &store() override { return *store_; }
    // The user's preferences, loaded by the load step.
    Preferences &preferences() override { return preferences_; }
    // The installation the load step settled; read-only for the whole run.
    const Installation &installation() const override { return installation_; }
    EditState &editState() override { return editState_; }
    std::optional<ListedProfile> currentProfile() const override;
    std::optional<Topic> currentTopic() const override;
    void showRecords() override;
    bool selectProfile(const std::string &key) override;
    void showTopic() override;
    void selectTopic(Topic topic) override;
    void fillMasterLists() override;

    // ---- RecordEditorHost
    void addEditorPanel(QWidget *panel) override;
    void registerMasterList(MasterList list, QComboBox *combo) override;
    void registerMasterList(MasterList list, QListWidget *listBox) override;
    void showEditorPanel(QWidget *panel) override;
    bool showListedRecord() override;
    void selectSavedRecord(const QString &shownText, RowHandle saved, int lastColumn) override;
    void editMasterList(int index) override;

    // ---- MainWindowActions: what the handheld, backup and watch commands use
    // Save All; returns the table files that could not be written. Once the
    // files on disk are kept, it writes nothing.
    QStringList saveAll() override;
    void discardEditorWork() override;
    // From here on nothing in this run writes a table: the files on disk are
    // newer than the tables in memory. Save All, the commands that save or
    // replace the tables and the close then leave them alone.
    void keepFilesOnExit() override { keepFilesOnExit_ = true; }
    void closeMainWindow() override { close(); }
    // Ends the program without the close step: nothing is written.
    void endApplication() override;
    void closeForHotsync() override;
    void setWatchEnabled(bool enabled) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Enter on a focused push button presses it, as Space does: outside a
    // dialog a button takes only Space.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectMenus();
    void connectHandheldMenus();
    void connectViews();
    void connectCommands();
    // The views show the display preferences again whenever they change.
    void followPreferences();
    // The in-memory tables of the store, for the views.
    TableAccess tableAccess();
    std::function<void(const std::string &, const std::string &, const std::string &)>
    setPrefFunction();

    // ---- Start-up and shutdown (startup.cpp, shutdown.cpp)
    bool loadTables();
    void prepareWindow(SplashWindow &splash);
    bool passwordGate();
    void tellIfDataFolderReadOnly();
    void showFirstTopic();
    // The close step; `cancel` = true keeps the window open. Past its question
    // it ends the program, every other window with it. Files that could not be
    // written are named; only when changes would be lost with them does it
    // ask whether to close anyway.
    void closeStep(bool &cancel);
    // While a record is being added or edited, asks whether to go back to it
    // before a command drops it; true on Yes, the default, which keeps the
    // record and its mode: the command must then do nothing.
    bool goBackToEditing();
    // One error box naming the table files that could not be written, and
    // saying so when no change is lost with them; once the session has ended,
    // the same in the error log alone.
    void reportSaveFailures(const std::vector<StoreFailure> &failures);
    void reportStoreFailure(const StoreFailure &failure);
    void endProgram();

    // ---- The edit state: the controls follow the mode
    void showEditMode(EditMode mode);
    // Enables or disables the Edit menu and each of its items, shortcuts included.
    void setEditMenuEnabled(bool enabled);
    // Back to normal mode after a window of the File menu, the topic in front.
    void leaveEditing();

    // ---- Profile selector (profile_selector.cpp)
    void profileChosen();

    // ---- Topic list and record grid (topic_list.cpp)
    void topicChosen();

    // ---- Record viewer (record_viewer.cpp)
    void gridRowChanged();
    void viewProvider();

    // ---- Delete commands (delete_commands.cpp)
    void deleteListedRecord();
    void deleteProfile();

    // ---- Menu commands (menus.cpp, handheld_menus.cpp)
    // What a menu command does to a record being edited.
    enum class EditedRecord {
        Kept, // left as it is: the command opens a window beside it, or asks on its own
        AskFirst, // dropped: the close's question comes first (goBackToEditing)
    };
    // A menu command as connected: what it runs and what it does to a record
    // being edited. A command that cannot run at all (no profile to export)
    // says why in `refused`, before anything is asked.
    struct MenuCommand {
        QAction *action;
        void (MainWindow::*run)();
        EditedRecord editedRecord;
        bool (MainWindow::*refused)() = nullptr;
    };
    // Every menu command goes through here, so none that drops a record being
    // edited can forget to ask; the keyboard is back in the window after it.
    void connectMenuCommands(std::initializer_list<MenuCommand> commands);

    // Export and import: only for a chosen profile (with none listed, that
    // there is no profile yet, else `noProfile`, is said under `title`);
    // afterwards the editor is back in normal mode and the selector shows the
    // profile it showed before. Print Profile and Graph Data, too, say that
    // there is no profile yet when there is none.
    struct ProfileDialog {
        const char *operation;
        const char *title;
        const char *noProfile;
    };
    static const ProfileDialog exportDialog, importDialog;
    bool refusesProfileDialog(const ProfileDialog &dialog);
    bool refusesExport() { return refusesProfileDialog(exportDialog); }
    bool refusesImport() { return refusesProfileDialog(importDialog); }
    bool refusesProfileReport();
    // Once the files on disk are kept, the commands that save, back up, send
    // or replace the tables do nothing: the program is on its way to close,
    // and a backup or a transfer would be built on tables it no longer writes.
    bool keepsFilesOnDisk() { return keepFilesOnExit_; }
    void showProfileDialog(
        const ProfileDialog &dialog, const std::function<void(QWidget *, const QString &)> &show);
    void saveAllTables() { saveAll(); }
    void addNewProfile();
    void exitProgram();
    void exportRecords();
    void importRecords();
    void showGraph();
    void printProfile();
    void printMasterLists();
    void editPreferences();
    void changePassword();
    void openHelpFile();
    void showAbout();
    void openWebsite();
    void openDownloadPage();
    void backupRecords();
    void restoreRecords();
    void transferToHandheld();
    void retrieveFromHandheld();
    void reinstallHandheldSoftware();

    // ---- Long operations: hourglass, window disabled and repainted, pending
    // events processed; then back (LongOperation). Each is a command of its own.
    friend class LongOperation;
    void beginLongOperation();
    void endLongOperation();

    // ---- Commands and the close asked for from outside (shutdown.cpp)
    // A close from outside (the end of the session, a synchronisation) never
    // runs inside a command: while one is at work it waits, and the modal
    // windows end unanswered so that the command stops; the close runs when
    // the outermost command ends.
    friend class CommandScope;
    void commandStarted() { ++commandsAtWork_; }
    void commandEnded();
    void closeFromOutside();
    void runCloseFromOutside();

    // ---- The keyboard after a command (command_scope.cpp, CommandScope)
    // `before` had the focus when the command began. While it is still shown
    // and enabled, it keeps the focus or gets it back, unless the command gave
    // it to another control; when the command hid or disabled it (a panel gone,
    // another topic shown), the grid of a listed topic, else the profile
    // selector, takes the focus.
    void returnFocus(QWidget *before);
    // Runs `command` on the action or the click, the keyboard returned after it.
    void connectCommand(QAction *action, std::function<void()> command);
    void connectCommand(QAbstractButton *button, std::function<void()> command);

    // ---- Controls
    QComboBox *profileSelector_;
    QListWidget *profileKeys_; // hidden: the Key of each profile at the selector's index
    QListWidget *topicList_;
    QPushButton *newProfileButton_;
    QPushButton *deleteProfileButton_;

    // The record viewer frame: grid over viewer, command buttons below. Hiding
    // the grid gives the viewer the whole frame, so nothing is placed by hand.
    QFrame *viewerFrame_;
    QTableWidget *recordGrid_; // read-only, whole rows selected
    ColumnFitter *columnFitter_; // its columns fill its width
    RichTextView *recordViewer_;
    QPushButton *addButton_;
    QPushButton *deleteButton_;
    QPushButton *editButton_;
    QPushButton *viewProviderButton_;

    // The record-save frame of the editor.
    QPushButton *saveButton_;
    QPushButton *cancelButton_;

    QLabel *recordCountLabel_; // "Records Listed: n"
    QLabel *modeLabel_; // "EDIT MODE"
    QTimer *watchTimer_; // the synchronisation watch, one tick a second

    // ---- Menus (captions and shortcuts set here; handlers connected in menus.cpp)
    QMenu *fileMenu_;
    QAction *saveAllAction_, *importAction_, *exportAction_, *backupAction_, *restoreAction_,
        *transferAction_, *retrieveAction_, *reinstallAction_, *graphAction_, *printAction_,
        *printMastersAction_, *exitAction_;
    QAction *reinstallSeparator_; // goes with the Reinstall item
    QMenu *editMenu_;
    QAction *newProfileAction_;
    std::array<QAction *, 6> editMasterActions_; // 0 contacts .. 5 provider types
    QAction *preferencesAction_, *passwordAction_;
    QMenu *helpMenu_;
    QAction *helpFileAction_, *aboutAction_, *websiteAction_, *downloadUpdateAction_;

    // ---- State
    QString instanceLockPath_;
    int splashMilliseconds_ = 1500;
    SecondaryWindows secondaryWindows_;
    std::unique_ptr<InstanceGuard> instanceGuard_;
    std::unique_ptr<Store> store_;
    Preferences preferences_;
    Installation installation_;
    EditState editState_;
    QString backupFolder_;
    // The Key of the master the View Provider / View Pharmacy button opens;
    // meaningful while the button is shown.
    std::string viewProviderKey_;
    bool keepFilesOnExit_ = false; // the files on disk were restored, retrieved or moved
    bool hotsyncDetected_ = false; // the close was forced by a running synchronisation
    MasterListFiller masterLists_;
    RecordEditorHooks *editorHooks_ = nullptr;
    QStackedLayout *panelArea_ = nullptr; // the viewer frame and the entry panels, in one place
    int longOperations_ = 0;
    int commandsAtWork_ = 0;
    bool closeWaits_ = false; // a close from outside waits for the commands at work
    ModalWindowEnder unanswered_; // runs while nobody is there to answer
    bool closing_ = false;
    // How far load() has gone: a session that ends before it is done writes nothing.
    enum class Startup { Configuring, Loading, Done };
    Startup startup_ = Startup::Configuring;
    bool sessionEnded_ = false;
    int sessionSignal_ = 0; // the signal that ended the session
};

} // namespace vantorelle

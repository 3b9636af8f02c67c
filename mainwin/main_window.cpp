#include "mainwin/main_window.h"

#include "handheld/sync_watch.h"
#include "mainwin/record_editor_hooks.h"
#include "platform/instance_guard.h"
#include "platform/rich_text_view.h"
#include "settings/app_info.h"
#include "settings/error_trap.h"
#include "settings/picker_date_format.h"
#include "store/store.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vantorelle {

namespace {

QPushButton *button(const char *name, const char *caption, const char *toolTip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    if (*toolTip)
        b->setToolTip(QString::fromUtf8(toolTip));
    return b;
}

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QAction *addEntry(QMenu *menu, const char *name, const char *caption, char shortcut)
{
    QAction *action = caption[0] == '-' && caption[1] == '\0'
        ? menu->addSeparator()
        : menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    if (shortcut)
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(shortcut)));
    return action;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , instanceLockPath_(InstanceGuard::defaultLockPath())
{
    setWindowTitle(QString::fromUtf8(AppInfo::title));
    // No fixed least size: the layouts keep the window large enough for the
    // panel shown (at least 9000 by 6000 twips), so no control is clipped.
    resize(900, 720);
    createControls();
    createMenus();
    connectMenus();
    connectHandheldMenus();
    connectViews();
    connectCommands();
    connect(&editState_, &EditState::modeChanged, this, &MainWindow::showEditMode);
    // The date pickers, the editor's and any other window's, follow the date
    // preference from start-up on.
    connect(&preferences_, &Preferences::changed, this,
        [this] { applyDatePreferenceToPickers(preferences_.display()); });
}

MainWindow::~MainWindow()
{
    // The editor goes first; nothing may reach it while the controls go.
    editorHooks_ = nullptr;
}

void MainWindow::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    profileSelector_ = named(new QComboBox(central), "cboProfiles");
    profileSelector_->setMinimumContentsLength(24);
    profileKeys_ = named(new QListWidget(central), "lstKeys");
    profileKeys_->hide();
    newProfileButton_ = button("cmdNew", "&New Profile", "Add New Record", central);
    deleteProfileButton_ = button("cmdDelete", "&Delete Profile", "Delete Record", central);
    topicList_ = named(new QListWidget(central), "lstTopics");

    viewerFrame_ = named(new QFrame(central), "frmViewer");
    viewerFrame_->setFrameShape(QFrame::StyledPanel);
    // The viewer frame and the entry panels share one place; the front one must hide the others.
    viewerFrame_->setAutoFillBackground(true);
    // With the topic list beside it, this keeps the window at 9000 by 6000 twips
    // or more; a taller entry panel makes the layouts ask for more.
    viewerFrame_->setMinimumSize(510, 320);
    recordGrid_ = named(new QTableWidget(viewerFrame_), "gridViewer");
    recordGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    recordGrid_->verticalHeader()->hide();
    recordViewer_ = named(new RichTextView(viewerFrame_), "rtViewer");
    addButton_ = button("cmdAdd", "&Add", "Add a record", viewerFrame_);
    deleteButton_ = button("cmdDel", "De&lete", "Delete the selected record", viewerFrame_);
    editButton_ = button("cmdEdit", "Ed&it", "Edit the shown record", viewerFrame_);
    viewProviderButton_ = button("cmdViewProvider", "View Provider", "", viewerFrame_);

    auto *viewerButtons = new QHBoxLayout;
    for (QPushButton *b : {addButton_, deleteButton_, editButton_})
        viewerButtons->addWidget(b);
    viewerButtons->addStretch(1);
    viewerButtons->addWidget(viewProviderButton_);
    auto *viewerLayout = new QVBoxLayout(viewerFrame_);
    viewerLayout->addWidget(recordGrid_, 2);
    viewerLayout->addWidget(recordViewer_, 3);
    viewerLayout->addLayout(viewerButtons);

    saveButton_ = button("cmdNewSave", "&Save", "Save Changes", central);
    cancelButton_ = button("cmdNewCancel", "Canc&el", "Cancel Changes", central);

    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(profileSelector_, 1);
    profileRow->addWidget(newProfileButton_);
    profileRow->addWidget(deleteProfileButton_);
    profileRow->addStretch(2);

    panelArea_ = new QGridLayout;
    panelArea_->setContentsMargins(0, 0, 0, 0);
    panelArea_->addWidget(viewerFrame_, 0, 0);

    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(saveButton_);
    saveRow->addWidget(cancelButton_);

    auto *work = new QVBoxLayout;
    work->addLayout(panelArea_, 1);
    work->addLayout(saveRow);

    // The topic list and the work area grow in proportion, as the window does.
    auto *body = new QHBoxLayout;
    body->addWidget(topicList_, 1);
    body->addLayout(work, 4);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(profileRow);
    layout->addLayout(body, 1);

    auto *status = named(new QStatusBar(this), "StatusBar1");
    recordCountLabel_ = named(new QLabel(status), "StatusPanel1");
    modeLabel_ = named(new QLabel(status), "StatusPanel2");
    status->addWidget(recordCountLabel_, 1);
    status->addWidget(modeLabel_, 1);
    setStatusBar(status);

    watchTimer_ = named(new QTimer(this), "Timer1");
    connectSyncWatch(*watchTimer_, *this);
}

void MainWindow::createMenus()
{
    // One menu entry: the member it goes to (none for most separators), its
    // name and caption ("-" a separator) and its Ctrl shortcut letter (0: none).
    struct MenuEntry {
        QAction *MainWindow::*member;
        const char *name;
        const char *caption;
        char shortcut;
    };
    fileMenu_ = named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    static const MenuEntry fileEntries[] = {
        {&MainWindow::saveAllAction_, "mnuSaveAll", "&Save All", 'S'},
        {nullptr, "mnuSep6", "-", 0},
        {&MainWindow::importAction_, "mnuImport", "&Import Data...", 'I'},
        {&MainWindow::exportAction_, "mnuExport", "&Export Data...", 'E'},
        {nullptr, "mnuSep10", "-", 0},
        {&MainWindow::backupAction_, "mnuBackup", "&Backup Records...", 'B'},
        {&MainWindow::restoreAction_, "mnuRestore", "&Restore Records...", 0},
        {nullptr, "mnuHH", "-", 0},
        {&MainWindow::transferAction_, "mnuTransfer", "&Transfer PC Data to Handheld", 0},
        {&MainWindow::retrieveAction_, "mnuRetrieve", "&Retrieve Data from Handheld", 0},
        {&MainWindow::reinstallAction_, "mnuReinstallHH", "Reinstall &Handheld Software", 0},
        {&MainWindow::reinstallSeparator_, "mnuSep4", "-", 0},
        {&MainWindow::graphAction_, "mnuGraph", "&Graph Data...", 'G'},
        {nullptr, "mnuSep5", "-", 0},
        {&MainWindow::printAction_, "mnuPrint", "&Print Profile...", 0},
        {&MainWindow::printMastersAction_, "mnuPrintMaster", "Print &Master Lists...", 0},
        {nullptr, "mnuSep3", "-", 0},
        {&MainWindow::exitAction_, "mnuExit", "E&xit", 0},
    };
    for (const MenuEntry &e : fileEntries) {
        QAction *action = addEntry(fileMenu_, e.name, e.caption, e.shortcut);
        if (e.member)
            this->*e.member = action;
    }

    editMenu_ = named(menuBar()->addMenu(QStringLiteral("Edit")), "mnuEdit");
    newProfileAction_ = addEntry(editMenu_, "mnuAddNew", "Add &New Profile", 'N');
    addEntry(editMenu_, "mnuSepEdit1", "-", 0);
    static const char *const masterCaptions[] = {
        "Edit Master Contacts List",
        "Edit Master Insurance List",
        "Edit Master Location List",
        "Edit Master Pharmacy List",
        "Edit Master Provider List",
        "Edit Master Provider Type List",
    };
    for (std::size_t i = 0; i < editMasterActions_.size(); ++i) {
        const QByteArray name = "mnuEditMaster(" + QByteArray::number(qsizetype(i)) + ')';
        editMasterActions_[i] = addEntry(editMenu_, name.constData(), masterCaptions[i], 0);
    }
    addEntry(editMenu_, "mnuSepEdit2", "-", 0);
    preferencesAction_ = addEntry(editMenu_, "mnuPrefs", "Preferences...", 0);
    passwordAction_ = addEntry(editMenu_, "mnuPassword", "Change &Password...", 0);

    helpMenu_ = named(menuBar()->addMenu(QStringLiteral("Help")), "mnuHelp");
    helpFileAction_ = addEntry(helpMenu_, "mnuManual", "&Help File...", 'H');
    aboutAction_ = addEntry(helpMenu_, "mnuAbout", "&About...", 0);
    addEntry(helpMenu_, "mnuH1", "-", 0);
    websiteAction_ = addEntry(helpMenu_, "mnuWebsite", "&Website...", 0);
    downloadUpdateAction_ = addEntry(helpMenu_, "mnuDnldUpdate", "Download &Update...", 0);
}

void MainWindow::setWatchEnabled(bool enabled)
{
    if (enabled)
        watchTimer_->start();
    else
        watchTimer_->stop();
}

void MainWindow::fillMasterLists()
{
    masterLists_.fill(tableAccess());
}

void MainWindow::registerMasterList(MasterList list, QComboBox *combo)
{
    masterLists_.add(list, combo);
}

void MainWindow::registerMasterList(MasterList list, QListWidget *listBox)
{
    masterLists_.add(list, listBox);
}

void MainWindow::addEditorPanel(QWidget *panel)
{
    panel->setAutoFillBackground(true);
    panelArea_->addWidget(panel, 0, 0);
}

void MainWindow::showEditorPanel(QWidget *panel)
{
    panel->show();
    panel->raise();
    viewerFrame_->hide();
}

void MainWindow::connectCommands()
{
    // The editor's commands; without an editor the buttons do nothing.
    const std::pair<QPushButton *, void (RecordEditorHooks::*)()> editorCommands[] = {
        {newProfileButton_, &RecordEditorHooks::newProfile},
        {addButton_, &RecordEditorHooks::addRecord},
        {editButton_, &RecordEditorHooks::editRecord},
        {saveButton_, &RecordEditorHooks::saveRecord},
        {cancelButton_, &RecordEditorHooks::cancelEditing},
    };
    for (const auto &[button, command] : editorCommands) {
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (editorHooks_)
                (editorHooks_->*command)();
        });
    }
    connect(deleteButton_, &QPushButton::clicked, this, &MainWindow::deleteListedRecord);
    connect(deleteProfileButton_, &QPushButton::clicked, this, &MainWindow::deleteProfile);
    connect(viewProviderButton_, &QPushButton::clicked, this, &MainWindow::viewProvider);
}

void MainWindow::followPreferences()
{
    // Dates, amounts and glucose readings are shown again at once, the same
    // record still chosen.
    connect(&preferences_, &Preferences::changed, this, [this] {
        if (editState_.editing())
            return;
        const int row = recordGrid_->currentRow();
        showTopic();
        if (row > 0 && row < recordGrid_->rowCount() && !recordGrid_->isHidden())
            recordGrid_->setCurrentCell(row, 0);
    });
}

void MainWindow::showEditMode(EditMode mode)
{
    if (mode == EditMode::Normal) {
        cancelButton_->hide();
        saveButton_->hide();
        setEditMenuEnabled(true);
        topicList_->setEnabled(true);
        newProfileButton_->setEnabled(true);
        deleteProfileButton_->setEnabled(true);
        profileSelector_->setEnabled(true);
        modeLabel_->setText(QString());
        return;
    }
    topicList_->setEnabled(false);
    newProfileButton_->setEnabled(false);
    deleteProfileButton_->setEnabled(false);
    profileSelector_->setEnabled(false);
    setEditMenuEnabled(false);
    cancelButton_->show();
    saveButton_->show();
    modeLabel_->setText(QStringLiteral("EDIT MODE"));
}

void MainWindow::discardEditorWork()
{
    if (cancelButton_->isVisibleTo(this) && editorHooks_)
        editorHooks_->cancelEditing();
}

void MainWindow::editMasterList(int index)
{
    if (!secondaryWindows_.editMaster)
        return;
    secondaryWindows_.editMaster(index);
    if (closing())
        return;
    fillMasterLists();
    // A company or contact deleted there leaves the topic's list: shown again
    // unless a panel is in front.
    if (!editState_.editing())
        showTopic();
}

void MainWindow::beginLongOperation()
{
    if (longOperations_++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    repaint();
    QApplication::processEvents();
}

void MainWindow::endLongOperation()
{
    if (longOperations_ > 0 && --longOperations_ == 0)
        QApplication::restoreOverrideCursor();
    if (longOperations_ == 0)
        setEnabled(true);
}

} // namespace vantorelle

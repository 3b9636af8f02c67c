#include "mainwin/main_window.h"

#include "handheld/sync_watch.h"
#include "mainwin/column_fitter.h"
#include "mainwin/command_scope.h"
#include "mainwin/menu_shortcuts.h"
#include "mainwin/panel_scroller.h"
#include "mainwin/record_editor_hooks.h"
#include "mainwin/window_return.h"
#include "platform/instance_guard.h"
#include "settings/app_info.h"
#include "settings/error_trap.h"
#include "settings/picker_date_format.h"
#include "store/store.h"
#include "widgets/accessible_caption.h"
#include "widgets/enter_key.h"
#include "widgets/rich_text_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vantorelle {

namespace {

// The grid shows at least this many rows at the window's least size.
constexpr int leastGridRows = 4;

QPushButton *button(const char *name, const char *caption, const char *toolTip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    if (*toolTip)
        b->setToolTip(QString::fromUtf8(toolTip));
    return b;
}

void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
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
    // The least size comes from the layouts: every topic name, button and
    // panel control whole, the grid a few rows high.
    resize(900, 720);
    createControls();
    createMenus();
    connectMenus();
    connectHandheldMenus();
    connectViews();
    connectCommands();
    connect(&editState_, &EditState::modeChanged, this, &MainWindow::showEditMode);
    // The menus' keys work wherever the focus is, and a window closing hands
    // the keyboard back to the one it was opened from.
    new MenuShortcuts(*this, *menuBar());
    new WindowReturn(this);
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
    // The list stands without a caption; this names it for a screen reader.
    nameByCaption(*topicList_, QStringLiteral("Topics"));

    viewerFrame_ = named(new QFrame(central), "frmViewer");
    viewerFrame_->setFrameShape(QFrame::StyledPanel);
    // The viewer frame and the entry panels share one place; the front one must hide the others.
    viewerFrame_->setAutoFillBackground(true);
    recordGrid_ = named(new QTableWidget(viewerFrame_), "gridViewer");
    recordGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab and Shift+Tab go on to the window's other controls, as from a list;
    // the arrow keys move between the rows.
    recordGrid_->setTabKeyNavigation(false);
    recordGrid_->verticalHeader()->hide();
    // Rows as high as their text needs, so that many readings show at once.
    const int rowHeight = recordGrid_->fontMetrics().height() + 6;
    recordGrid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    recordGrid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    // The header is not laid out yet: it counts as two rows, enough for its text and margins.
    recordGrid_->setMinimumHeight((leastGridRows + 2) * rowHeight + 2 * recordGrid_->frameWidth());
    columnFitter_ = new ColumnFitter(recordGrid_);
    recordViewer_ = named(new RichTextView(viewerFrame_), "rtViewer");
    recordViewer_->setMinimumHeight(recordGrid_->minimumHeight());
    addButton_ = button("cmdAdd", "&Add", "Add a record", viewerFrame_);
    deleteButton_ = button("cmdDel", "De&lete", "Delete the selected record", viewerFrame_);
    editButton_ = button("cmdEdit", "Ed&it", "Edit the shown record", viewerFrame_);
    viewProviderButton_ = button("cmdViewProvider", "View Pharmacy", "", viewerFrame_);
    // Wide enough for either caption; it changes with the record shown.
    const int pharmacyWidth = viewProviderButton_->sizeHint().width();
    viewProviderButton_->setText(QStringLiteral("View Provider"));
    viewProviderButton_->setMinimumWidth(
        std::max(pharmacyWidth, viewProviderButton_->sizeHint().width()));

    // Each command button keeps its own place whichever others a topic or a
    // mode hides: a user finds Edit where it always was.
    auto *viewerButtons = new QHBoxLayout;
    for (QPushButton *b : {addButton_, deleteButton_, editButton_, viewProviderButton_}) {
        keepPlaceWhenHidden(b);
        if (b == viewProviderButton_)
            viewerButtons->addStretch(1);
        viewerButtons->addWidget(b);
    }
    auto *viewerLayout = new QVBoxLayout(viewerFrame_);
    // Grid and viewer share the height as the window grows.
    viewerLayout->addWidget(recordGrid_, 1);
    viewerLayout->addWidget(recordViewer_, 1);
    viewerLayout->addLayout(viewerButtons);

    saveButton_ = button("cmdNewSave", "&Save", "Save Changes", central);
    cancelButton_ = button("cmdNewCancel", "Canc&el", "Cancel Changes", central);

    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(profileSelector_, 1);
    profileRow->addWidget(newProfileButton_);
    profileRow->addWidget(deleteProfileButton_);
    profileRow->addStretch(2);

    // The viewer frame and every entry panel, one above the other in one
    // place: the area is as large as the largest of them, shown or not, so
    // the window never changes its size when another one comes to the front.
    panelArea_ = new QStackedLayout;
    panelArea_->setStackingMode(QStackedLayout::StackAll);
    panelArea_->setContentsMargins(0, 0, 0, 0);
    panelArea_->addWidget(viewerFrame_);

    // Save and Cancel keep their place too, so that the panel area has the
    // same height in every mode.
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    for (QPushButton *b : {saveButton_, cancelButton_}) {
        keepPlaceWhenHidden(b);
        saveRow->addWidget(b);
    }

    auto *work = new QVBoxLayout;
    work->addLayout(panelArea_, 1);
    work->addLayout(saveRow);

    // The topic list is as wide as its longest name; the work area takes the rest.
    topicList_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    topicList_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto *body = new QHBoxLayout;
    body->addWidget(topicList_);
    body->addLayout(work, 1);

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

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // The key comes here when the control that has the focus left it.
    if (isEnterKey(*event) && clickFocusedButton(*this)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
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
    auto *scroller = new PanelScroller(panel);
    scroller->setAutoFillBackground(true);
    panelArea_->addWidget(scroller);
}

void MainWindow::showEditorPanel(QWidget *panel)
{
    panel->show();
    if (auto *scroller = qobject_cast<PanelScroller *>(panel->parentWidget()->parentWidget()))
        scroller->raise();
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
    // After each command a control of the window has the keyboard, also when
    // the command hid the one that had it (a save or a cancel hides the panel).
    for (const auto &[button, command] : editorCommands) {
        connectCommand(button, [this, command = command] {
            if (editorHooks_)
                (editorHooks_->*command)();
        });
    }
    const std::pair<QPushButton *, void (MainWindow::*)()> commands[] = {
        {deleteButton_, &MainWindow::deleteListedRecord},
        {deleteProfileButton_, &MainWindow::deleteProfile},
        {viewProviderButton_, &MainWindow::viewProvider},
    };
    for (const auto &[button, command] : commands)
        connectCommand(button, [this, command = command] { (this->*command)(); });
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
    const CommandScope scope(*this);
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
    // The events let through below must not close the program under it.
    commandStarted();
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
    commandEnded();
}

} // namespace vantorelle

#include "mainwin/main_window.h"

#include "mainwin/record_editor_hooks.h"
#include "platform/instance_guard.h"
#include "platform/rich_text_view.h"
#include "settings/app_info.h"
#include "settings/error_trap.h"
#include "settings/picker_date_format.h"
#include "settings/sync_watch.h"
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

Main::Main(QWidget *parent)
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
    connect(&editState_, &EditState::modeChanged, this, &Main::showEditMode);
    // The date pickers, the editor's and any other window's, follow the date
    // preference from start-up on.
    connect(&preferences_, &Preferences::changed, this,
        [this] { applyDatePreferenceToPickers(preferences_.display()); });
}

Main::~Main()
{
    // The editor goes first; nothing may reach it while the controls go.
    editorHooks_ = nullptr;
}

void Main::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    cboProfiles = named(new QComboBox(central), "cboProfiles");
    cboProfiles->setMinimumContentsLength(24);
    lstKeys = named(new QListWidget(central), "lstKeys");
    lstKeys->hide();
    cmdNew = button("cmdNew", "&New Profile", "Add New Record", central);
    cmdDelete = button("cmdDelete", "&Delete Profile", "Delete Record", central);
    lstTopics = named(new QListWidget(central), "lstTopics");

    frmViewer = named(new QFrame(central), "frmViewer");
    frmViewer->setFrameShape(QFrame::StyledPanel);
    // The viewer frame and the entry panels share one place; the front one must hide the others.
    frmViewer->setAutoFillBackground(true);
    // With the topic list beside it, this keeps the window at 9000 by 6000 twips
    // or more; a taller entry panel makes the layouts ask for more.
    frmViewer->setMinimumSize(510, 320);
    gridViewer = named(new QTableWidget(frmViewer), "gridViewer");
    gridViewer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridViewer->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridViewer->setSelectionMode(QAbstractItemView::SingleSelection);
    gridViewer->verticalHeader()->hide();
    rtViewer = named(new RichTextView(frmViewer), "rtViewer");
    cmdAdd = button("cmdAdd", "&Add", "Add a record", frmViewer);
    cmdDel = button("cmdDel", "De&lete", "Delete the selected record", frmViewer);
    cmdEdit = button("cmdEdit", "Ed&it", "Edit the shown record", frmViewer);
    cmdViewProvider = button("cmdViewProvider", "View Provider", "", frmViewer);

    auto *viewerButtons = new QHBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdDel, cmdEdit})
        viewerButtons->addWidget(b);
    viewerButtons->addStretch(1);
    viewerButtons->addWidget(cmdViewProvider);
    auto *viewerLayout = new QVBoxLayout(frmViewer);
    viewerLayout->addWidget(gridViewer, 2);
    viewerLayout->addWidget(rtViewer, 3);
    viewerLayout->addLayout(viewerButtons);

    cmdNewSave = button("cmdNewSave", "&Save", "Save Changes", central);
    cmdNewCancel = button("cmdNewCancel", "Canc&el", "Cancel Changes", central);

    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(cboProfiles, 1);
    profileRow->addWidget(cmdNew);
    profileRow->addWidget(cmdDelete);
    profileRow->addStretch(2);

    panelArea_ = new QGridLayout;
    panelArea_->setContentsMargins(0, 0, 0, 0);
    panelArea_->addWidget(frmViewer, 0, 0);

    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(cmdNewSave);
    saveRow->addWidget(cmdNewCancel);

    auto *work = new QVBoxLayout;
    work->addLayout(panelArea_, 1);
    work->addLayout(saveRow);

    // The topic list and the work area grow in proportion, as the window does.
    auto *body = new QHBoxLayout;
    body->addWidget(lstTopics, 1);
    body->addLayout(work, 4);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(profileRow);
    layout->addLayout(body, 1);

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusPanel1 = named(new QLabel(StatusBar1), "StatusPanel1");
    StatusPanel2 = named(new QLabel(StatusBar1), "StatusPanel2");
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusBar1->addWidget(StatusPanel2, 1);
    setStatusBar(StatusBar1);

    Timer1 = named(new QTimer(this), "Timer1");
    ConnectSyncWatch(*Timer1, *this);
}

void Main::createMenus()
{
    // One menu entry: the member it goes to, its name and caption ("-" a
    // separator) and its Ctrl shortcut letter (0: none).
    struct MenuEntry {
        QAction *Main::*member;
        const char *name;
        const char *caption;
        char shortcut;
    };
    mnuFile = named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    static const MenuEntry fileEntries[] = {
        {&Main::mnuSaveAll, "mnuSaveAll", "&Save All", 'S'},
        {&Main::mnuSep6, "mnuSep6", "-", 0},
        {&Main::mnuImport, "mnuImport", "&Import Data...", 'I'},
        {&Main::mnuExport, "mnuExport", "&Export Data...", 'E'},
        {&Main::mnuSep10, "mnuSep10", "-", 0},
        {&Main::mnuBackup, "mnuBackup", "&Backup Records...", 'B'},
        {&Main::mnuRestore, "mnuRestore", "&Restore Records...", 0},
        {&Main::mnuHH, "mnuHH", "-", 0},
        {&Main::mnuTransfer, "mnuTransfer", "&Transfer PC Data to Handheld", 0},
        {&Main::mnuRetrieve, "mnuRetrieve", "&Retrieve Data from Handheld", 0},
        {&Main::mnuReinstallHH, "mnuReinstallHH", "Reinstall &Handheld Software", 0},
        {&Main::mnuSep4, "mnuSep4", "-", 0},
        {&Main::mnuGraph, "mnuGraph", "&Graph Data...", 'G'},
        {&Main::mnuSep5, "mnuSep5", "-", 0},
        {&Main::mnuPrint, "mnuPrint", "&Print Profile...", 0},
        {&Main::mnuPrintMaster, "mnuPrintMaster", "Print &Master Lists...", 0},
        {&Main::mnuSep3, "mnuSep3", "-", 0},
        {&Main::mnuExit, "mnuExit", "E&xit", 0},
    };
    for (const MenuEntry &e : fileEntries)
        this->*e.member = addEntry(mnuFile, e.name, e.caption, e.shortcut);

    mnuEdit = named(menuBar()->addMenu(QStringLiteral("Edit")), "mnuEdit");
    mnuAddNew = addEntry(mnuEdit, "mnuAddNew", "Add &New Profile", 'N');
    mnuSepEdit1 = addEntry(mnuEdit, "mnuSepEdit1", "-", 0);
    static const char *const masterCaptions[] = {
        "Edit Master Contacts List", "Edit Master Insurance List",
        "Edit Master Location List", "Edit Master Pharmacy List",
        "Edit Master Provider List", "Edit Master Provider Type List",
    };
    for (std::size_t i = 0; i < mnuEditMaster.size(); ++i) {
        const QByteArray name = "mnuEditMaster(" + QByteArray::number(qsizetype(i)) + ')';
        mnuEditMaster[i] = addEntry(mnuEdit, name.constData(), masterCaptions[i], 0);
    }
    mnuSepEdit2 = addEntry(mnuEdit, "mnuSepEdit2", "-", 0);
    mnuPrefs = addEntry(mnuEdit, "mnuPrefs", "Preferences...", 0);
    mnuPassword = addEntry(mnuEdit, "mnuPassword", "Change &Password...", 0);

    mnuHelp = named(menuBar()->addMenu(QStringLiteral("Help")), "mnuHelp");
    mnuManual = addEntry(mnuHelp, "mnuManual", "&Help File...", 'H');
    mnuAbout = addEntry(mnuHelp, "mnuAbout", "&About...", 0);
    mnuH1 = addEntry(mnuHelp, "mnuH1", "-", 0);
    mnuWebsite = addEntry(mnuHelp, "mnuWebsite", "&Website...", 0);
    mnuDnldUpdate = addEntry(mnuHelp, "mnuDnldUpdate", "Download &Update...", 0);
}

void Main::setWatchEnabled(bool enabled)
{
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

void Main::addEditorPanel(QWidget *panel)
{
    panel->setAutoFillBackground(true);
    panelArea_->addWidget(panel, 0, 0);
}

void Main::showEditorPanel(QWidget *panel)
{
    panel->show();
    panel->raise();
    frmViewer->hide();
}

void Main::connectCommands()
{
    // The editor's commands; without an editor the buttons do nothing.
    const std::pair<QPushButton *, void (RecordEditorHooks::*)()> editorCommands[] = {
        {cmdNew, &RecordEditorHooks::newProfile},
        {cmdAdd, &RecordEditorHooks::addRecord},
        {cmdEdit, &RecordEditorHooks::editRecord},
        {cmdNewSave, &RecordEditorHooks::saveRecord},
        {cmdNewCancel, &RecordEditorHooks::cancelEditing},
    };
    for (const auto &[button, command] : editorCommands) {
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (editorHooks_)
                (editorHooks_->*command)();
        });
    }
    connect(cmdDel, &QPushButton::clicked, this, &Main::deleteListedRecord);
    connect(cmdDelete, &QPushButton::clicked, this, &Main::deleteProfile);
    connect(cmdViewProvider, &QPushButton::clicked, this, &Main::viewProvider);
}

void Main::followPreferences()
{
    // Dates, amounts and glucose readings are shown again at once, the same
    // record still chosen.
    connect(&preferences_, &Preferences::changed, this, [this] {
        if (editState_.editing())
            return;
        const int row = gridViewer->currentRow();
        showTopic();
        if (row > 0 && row < gridViewer->rowCount() && !gridViewer->isHidden())
            gridViewer->setCurrentCell(row, 0);
    });
}

void Main::showEditMode(EditMode mode)
{
    if (mode == EditMode::Normal) {
        cmdNewCancel->hide();
        cmdNewSave->hide();
        setEditMenuEnabled(true);
        lstTopics->setEnabled(true);
        cmdNew->setEnabled(true);
        cmdDelete->setEnabled(true);
        cboProfiles->setEnabled(true);
        StatusPanel2->setText(QString());
        return;
    }
    lstTopics->setEnabled(false);
    cmdNew->setEnabled(false);
    cmdDelete->setEnabled(false);
    cboProfiles->setEnabled(false);
    setEditMenuEnabled(false);
    cmdNewCancel->show();
    cmdNewSave->show();
    StatusPanel2->setText(QStringLiteral("EDIT MODE"));
}

void Main::discardEditorWork()
{
    if (cmdNewCancel->isVisibleTo(this) && editorHooks_)
        editorHooks_->cancelEditing();
}

void Main::editMasterList(int index)
{
    if (!secondaryWindows_.editMaster)
        return;
    secondaryWindows_.editMaster(index);
    if (!closing())
        fillMasterLists();
}

void Main::beginLongOperation()
{
    if (longOperations_++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    repaint();
    QApplication::processEvents();
}

void Main::endLongOperation()
{
    if (longOperations_ > 0 && --longOperations_ == 0)
        QApplication::restoreOverrideCursor();
    if (longOperations_ == 0)
        setEnabled(true);
}

#include "mainwin/main_window.h"

#include "mainwin/record_editor_hooks.h"
#include "platform/instance_guard.h"
#include "settings/app_info.h"
#include "settings/sync_watch.h"
#include "store/store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QPushButton *button(const char *caption, const char *toolTip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    if (*toolTip)
        b->setToolTip(QString::fromUtf8(toolTip));
    return b;
}

// One menu entry: the member it goes to, its caption ("-" a separator) and
// its Ctrl shortcut letter (0: none).
struct MenuEntry {
    QAction *Main::*member;
    const char *caption;
    char shortcut;
};

QAction *addEntry(QMenu *menu, const char *caption, char shortcut)
{
    if (caption[0] == '-' && caption[1] == '\0')
        return menu->addSeparator();
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    if (shortcut)
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(shortcut)));
    return action;
}

} // namespace

Main::Main(QWidget *parent)
    : QMainWindow(parent)
    , instanceLockPath(InstanceGuard::defaultLockPath())
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
}

Main::~Main() = default;

void Main::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    cboProfiles = new QComboBox(central);
    cboProfiles->setMinimumContentsLength(24);
    lstKeys = new QListWidget(central);
    lstKeys->hide();
    cmdNew = button("&New Profile", "Add New Record", central);
    cmdDelete = button("&Delete Profile", "Delete Record", central);
    lstTopics = new QListWidget(central);

    frmViewer = new QFrame(central);
    frmViewer->setFrameShape(QFrame::StyledPanel);
    // The viewer frame and the entry panels share one place; the front one must hide the others.
    frmViewer->setAutoFillBackground(true);
    // With the topic list beside it, this keeps the window at 9000 by 6000 twips
    // or more; a taller entry panel makes the layouts ask for more.
    frmViewer->setMinimumSize(510, 320);
    gridViewer = new QTableWidget(frmViewer);
    gridViewer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridViewer->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridViewer->setSelectionMode(QAbstractItemView::SingleSelection);
    gridViewer->verticalHeader()->hide();
    rtViewer = new RichTextView(frmViewer);
    cmdAdd = button("&Add", "Add a record", frmViewer);
    cmdDel = button("De&lete", "Delete the selected record", frmViewer);
    cmdEdit = button("Ed&it", "Edit the shown record", frmViewer);
    cmdViewProvider = button("View Provider", "", frmViewer);

    auto *viewerButtons = new QHBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdDel, cmdEdit})
        viewerButtons->addWidget(b);
    viewerButtons->addStretch(1);
    viewerButtons->addWidget(cmdViewProvider);
    auto *viewerLayout = new QVBoxLayout(frmViewer);
    viewerLayout->addWidget(gridViewer, 2);
    viewerLayout->addWidget(rtViewer, 3);
    viewerLayout->addLayout(viewerButtons);

    cmdNewSave = button("&Save", "Save Changes", central);
    cmdNewCancel = button("Canc&el", "Cancel Changes", central);

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

    StatusBar1 = new QStatusBar(this);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel2 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusBar1->addWidget(StatusPanel2, 1);
    setStatusBar(StatusBar1);

    Timer1 = new QTimer(this);
    ConnectSyncWatch(*Timer1, *this);
}

void Main::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    static const MenuEntry fileEntries[] = {
        {&Main::mnuSaveAll, "&Save All", 'S'},
        {&Main::mnuSep6, "-", 0},
        {&Main::mnuImport, "&Import Data...", 'I'},
        {&Main::mnuExport, "&Export Data...", 'E'},
        {&Main::mnuSep10, "-", 0},
        {&Main::mnuBackup, "&Backup Records...", 'B'},
        {&Main::mnuRestore, "&Restore Records...", 0},
        {&Main::mnuHH, "-", 0},
        {&Main::mnuTransfer, "&Transfer PC Data to Handheld", 0},
        {&Main::mnuRetrieve, "&Retrieve Data from Handheld", 0},
        {&Main::mnuReinstallHH, "Reinstall &Handheld Software", 0},
        {&Main::mnuSep4, "-", 0},
        {&Main::mnuGraph, "&Graph Data...", 'G'},
        {&Main::mnuSep5, "-", 0},
        {&Main::mnuPrint, "&Print Profile...", 0},
        {&Main::mnuPrintMaster, "Print &Master Lists...", 0},
        {&Main::mnuSep3, "-", 0},
        {&Main::mnuExit, "E&xit", 0},
    };
    for (const MenuEntry &e : fileEntries)
        this->*e.member = addEntry(mnuFile, e.caption, e.shortcut);

    mnuEdit = menuBar()->addMenu(QStringLiteral("Edit"));
    mnuAddNew = addEntry(mnuEdit, "Add &New Profile", 'N');
    mnuSepEdit1 = addEntry(mnuEdit, "-", 0);
    static const char *const masterCaptions[] = {
        "Edit Master Contacts List", "Edit Master Insurance List",
        "Edit Master Location List", "Edit Master Pharmacy List",
        "Edit Master Provider List", "Edit Master Provider Type List",
    };
    for (std::size_t i = 0; i < mnuEditMaster.size(); ++i)
        mnuEditMaster[i] = addEntry(mnuEdit, masterCaptions[i], 0);
    mnuSepEdit2 = addEntry(mnuEdit, "-", 0);
    mnuPrefs = addEntry(mnuEdit, "Preferences...", 0);
    mnuPassword = addEntry(mnuEdit, "Change &Password...", 0);

    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuManual = addEntry(mnuHelp, "&Help File...", 'H');
    mnuAbout = addEntry(mnuHelp, "&About...", 0);
    mnuH1 = addEntry(mnuHelp, "-", 0);
    mnuWebsite = addEntry(mnuHelp, "&Website...", 0);
    mnuDnldUpdate = addEntry(mnuHelp, "Download &Update...", 0);
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

void Main::ChangeMode(const QString &mode)
{
    if (editorHooks_)
        editorHooks_->ChangeMode(mode);
}

void Main::clearFields(Topic topic)
{
    if (editorHooks_)
        editorHooks_->clearFields(topic);
}

void Main::ShowFields(Topic topic)
{
    if (editorHooks_)
        editorHooks_->ShowFields(topic);
}

void Main::cmdNew_Click()
{
    if (editorHooks_)
        editorHooks_->cmdNew_Click();
}

void Main::cmdEdit_Click()
{
    if (editorHooks_)
        editorHooks_->cmdEdit_Click();
}

void Main::cmdNewCancel_Click()
{
    if (editorHooks_)
        editorHooks_->cmdNewCancel_Click();
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

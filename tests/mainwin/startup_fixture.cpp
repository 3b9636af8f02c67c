#include "startup_fixture.h"

#include "dialogs/password_window.h"
#include "store/store.h"
#include "store/table_error.h"
#include "text/cp1252.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vantorelle {

void FakeEditor::cancelEditing()
{
    calls << "cancelEditing";
    main->editState().setMode(EditMode::Normal);
}

void FakeEditor::follow(MainWindow &window)
{
    main = &window;
    QObject::connect(&window.editState(), &EditState::modeChanged, [this](EditMode mode) {
        static const char *const names[] = {"Normal", "Add", "Edit"};
        calls << QStringLiteral("mode(%1)").arg(QLatin1String(names[int(mode)]));
    });
}

void FakeEditor::clearPanel(Topic topic)
{
    const std::string_view name = topicName(topic);
    calls << QStringLiteral("clearPanel(%1)").arg(QString::fromLatin1(name.data(), name.size()));
    if (failClearing)
        throw TableError(TableError::UnknownColumn, "Item cannot be found");
}

void FakeEditor::showPanel(Topic topic)
{
    const std::string_view name = topicName(topic);
    calls << QStringLiteral("showPanel(%1)").arg(QString::fromLatin1(name.data(), name.size()));
}

void StartupFixture::SetUp()
{
    install.copyTemplates();
    Clock::install(&clock);
}

void StartupFixture::TearDown()
{
    passwordTimer_.reset();
    main.reset();
    Clock::install(nullptr);
}

void StartupFixture::registerDataFolder(const QString &folder, const QString &type)
{
    registry.user = {{"data_path", folder}, {"install_type", type}, {"install_date", "20240101"}};
    registry.machine = {{"install_type", type}, {"install_date", "20240101"}};
}

QString StartupFixture::dataFolderWithoutProfile()
{
    const QString folder = install.documentsFolder() + QStringLiteral("records/");
    copyTree(install.programFolder() + QStringLiteral("data/"), folder);
    registerDataFolder(folder);
    return folder;
}

QString StartupFixture::dataFolderWithProfile()
{
    const QString folder = dataFolderWithoutProfile();

    Store store(QFile::encodeName(folder).toStdString());
    store.load();
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.addNew();
    profiles.setValue("REC_ID", "0x00000011");
    profiles.setValue("STATUS", "0x0000");
    profiles.setValue("Key", "20090305070809p");
    profiles.setValue("First", "Ann");
    profiles.setValue("Last", "Lee");
    profiles.update();
    MemoryTable &names = store.table(TableId::MainNm);
    names.addNew();
    names.setValue("REC_ID", "0x00000012");
    names.setValue("STATUS", "0x0000");
    names.setValue("Key", "leeann20090305070809p");
    names.setValue("First", "Ann");
    names.setValue("Last", "Lee");
    names.setValue("MainID", "20090305070809p");
    names.update();
    EXPECT_TRUE(store.writeTables().empty());
    return folder;
}

void StartupFixture::storePassword(const QString &folder, const QString &password)
{
    Store store(QFile::encodeName(folder).toStdString());
    store.load();
    store.setPreference("password", "", Cp1252::toStdString(password));
    EXPECT_TRUE(store.writeTables().empty());
}

bool StartupFixture::start()
{
    makeMain();
    return main->load();
}

void StartupFixture::makeMain()
{
    main = std::make_unique<MainWindow>();
    main->setInstanceLockPath(install.documentsFolder() + QStringLiteral("vantorelle.lock"));
    main->setSplashMilliseconds(0);
    editor.follow(*main);
    main->installEditorHooks(&editor);
}

void StartupFixture::typePasswords(const QStringList &texts)
{
    passwords_ = texts;
    // The prompt is modal: answer it from inside its own event loop.
    passwordTimer_ = std::make_unique<QTimer>();
    QObject::connect(passwordTimer_.get(), &QTimer::timeout, [this] {
        auto *prompt = qobject_cast<PasswordWindow *>(QApplication::activeModalWidget());
        if (!prompt)
            return;
        if (passwords_.isEmpty()) {
            prompt->reject(); // more prompts than the test expected
            return;
        }
        QTest::keyClicks(
            prompt->findChild<QLineEdit *>(QStringLiteral("txtPassword")), passwords_.takeFirst());
        prompt->findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
    });
    passwordTimer_->start(5);
}

QMap<QString, QByteArray> StartupFixture::tableFiles(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.cdb")}, QDir::Files))
        files.insert(name, readFile(folder + name));
    return files;
}

QStringList StartupFixture::boxTitles() const
{
    QStringList titles;
    for (const FakePrompter::Box &box : prompter.boxes)
        titles << box.title;
    return titles;
}

int StartupFixture::runProgram(const std::function<void()> &first)
{
    QTimer::singleShot(0, first);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    deadline.start(20000);
    return QApplication::exec();
}

} // namespace vantorelle

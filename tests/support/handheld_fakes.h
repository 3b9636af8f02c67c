#pragma once

// Shared by the tests of the handheld setup, exchange, watch and backup: a
// recording main window and fake handheld tools (shell scripts named like the
// real programs).

#include "context/main_window_actions.h"
#include "settings/installation.h"
#include "store/clock.h"
#include "support/temporary_install.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace vantorelle {

// Records what the commands ask of the main window, in order.
class FakeMainWindow : public MainWindowActions {
public:
    QStringList saveAll() override
    {
        events << QStringLiteral("save all");
        return unwritten;
    }
    void discardEditorWork() override { events << QStringLiteral("discard editor work"); }
    void keepFilesOnExit() override { events << QStringLiteral("keep files"); }
    void closeMainWindow() override { events << QStringLiteral("close"); }
    void endApplication() override { events << QStringLiteral("end"); }
    void closeForHotsync() override { events << QStringLiteral("close for hotsync"); }
    void setWatchEnabled(bool enabled) override
    {
        events << (enabled ? QStringLiteral("watch on") : QStringLiteral("watch off"));
    }

    QStringList unwritten; // what Save All reports as not written
    QStringList events;
};

// A frozen clock while it lives: 8 December 2026, 07:05:09.
class FrozenClock {
public:
    FrozenClock() { Clock::install(&clock_); }
    ~FrozenClock() { Clock::install(nullptr); }

private:
    FixedClock clock_ {LocalDateTime {2026, 12, 8, 7, 5, 9}};
};

// One run of a fake tool: the folder it ran in and its arguments.
struct ToolRun {
    QString folder;
    QStringList arguments;
};

// Fake handheld tools. Each is a shell script that writes the folder it runs
// in and its arguments, one a line, to "<records>/<name>.run", then does what
// the real tool would (`body`, shell commands). The folders are canonical, as
// the tools see them.
class FakeTools {
public:
    FakeTools() { QDir().mkpath(records()); }

    QString records() const { return dir_.path() + QStringLiteral("/records/"); }

    void write(
        const QString &folder, const QString &name, const QByteArray &body = QByteArray()) const
    {
        const QString path = folder + name;
        writeFile(path,
            "#!/bin/sh\nrecord='" + (records() + name + QStringLiteral(".run")).toUtf8()
                + "'\npwd -P > \"$record\"\nprintf '%s\\n' \"$@\" >> \"$record\"\n" + body + "\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }

    std::optional<ToolRun> run(const QString &name) const
    {
        const QByteArray text = readFile(records() + name + QStringLiteral(".run"));
        if (text.isEmpty())
            return std::nullopt;
        QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
        lines.removeLast(); // after the last line end
        return ToolRun {lines.takeFirst(), lines};
    }

private:
    QTemporaryDir dir_;
};

inline QString canonical(const QString &folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

// The shared fixture folders of these tests, ending in "/".
inline QString handheldData()
{
    return QFileInfo(QStringLiteral(__FILE__))
               .absoluteDir()
               .filePath(QStringLiteral("../data/handheld"))
        + QLatin1Char('/');
}

} // namespace vantorelle

#pragma once

#include <QFileDevice>
#include <QString>

namespace vantorelle {

// The records are plain text (the handheld's sync tools read them as they
// are), so what the program makes for itself is its user's alone: a folder it
// creates is 0700 and a file it creates anew 0600, whatever the umask. What
// already exists keeps the mode the user gave it.

// Who may open a file when it is created; a file replaced keeps its own mode.
enum class NewFileAccess {
    OwnerOnly, // 0600: the program's own files
    OwnerOnlyExecutable, // 0700: a tool copied for the program to run
    UserUmask, // 0666 less the umask: a file the user chose with a file dialog
};

// The permissions a new file of `access` gets; none for UserUmask, where the
// umask decides.
QFileDevice::Permissions newFilePermissions(NewFileAccess access);

// Makes `folder` and each missing folder above it, readable by its owner only.
// Folders that exist are left as they are. False, with errno set, when one
// cannot be made or a file stands in the way.
bool makePrivateFolder(const QString &folder);

} // namespace vantorelle

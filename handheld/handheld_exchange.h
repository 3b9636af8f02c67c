#pragma once

#include "settings/installation.h"

#include <QString>

namespace vantorelle {

class MainWindowActions;

// Moving the tables between the PC and a Windows Mobile handheld through the
// two transfer tools in the program folder, and the handheld copies (".cdi")
// that make a Palm handheld take the PC's tables at its next HotSync.

// The menu's Retrieve Data from Handheld: after the user agrees, the transfer
// tool replaces the table files of the data folder with the handheld's, and
// the program ends at once without writing its tables over them. A tool that
// cannot be started is shown in the error box, and one that fails (a non-zero
// exit code, a crash) is named with how it ended; the program then goes on
// with its tables, which Save All and the close write as before.
void takeTablesFromHandheld(const Installation &installation, MainWindowActions &main);

// The menu's Transfer PC Data to Handheld: after the user agrees, every table
// is saved, the old handheld copies are removed, and the transfer tool sends
// the table files to the handheld. Nothing is sent when a table could not be
// saved; a tool that cannot be started is shown in the error box, and one that
// fails is named with how it ended, and the handheld said not to be updated.
void sendTablesToHandheld(const Installation &installation, MainWindowActions &main);

// Writes the handheld copy of the table file `tablePath` beside it ("x.cdb"
// gives "x.cdi"): header lines as they are but "#SYNCMODE: MERGE", and every
// record with record id "0x00000000" and status "0x0000", or "0x0002" for a
// deleted one. A missing table file writes nothing. Throws AppError when a
// file cannot be read or written.
void writeHandheldCopy(const QString &tablePath);

} // namespace vantorelle

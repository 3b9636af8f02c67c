#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vantorelle {

// The settings file ("vantorelleplus.ini"): sections of "Key=Value" lines, read
// and written one value at a time.
//
// Section and key names match without regard to case and the first match wins.
// A value is the text after the first "=", trimmed of blanks and tabs, with one
// enclosing pair of quotes removed; backslashes are plain characters, and
// "Key=" holds the empty value. Writing changes one line and keeps every other
// line byte for byte. Values are cp1252 as the Windows tools wrote them; a
// value cp1252 cannot hold is written, and read back, as UTF-8.
namespace SettingsFile {

// The value, or nothing when the file, the section or the key is missing.
std::optional<QString> read(const QString &path, const QString &section, const QString &key);
// The same from the bytes of a file.
std::optional<QString> readBytes(
    const QByteArray &content, const QString &section, const QString &key);

// Replaces the key's value in place, or adds the key after the last line of
// its section, or adds the section at the end; creates a missing file,
// readable by its owner only. New lines end in CR LF, or in LF in a file whose
// lines end in LF alone. The file is replaced atomically; throws AppError when
// it cannot be read or written.
void write(const QString &path, const QString &section, const QString &key, const QString &value);
// The bytes `write` gives a file that holds `content` (empty: no file).
QByteArray withValue(
    const QByteArray &content, const QString &section, const QString &key, const QString &value);

} // namespace SettingsFile

} // namespace vantorelle

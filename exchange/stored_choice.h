#pragma once

#include <QString>
#include <QStringList>

namespace vantorelle {

// The choices the export and import dialogs keep in the settings file.

// A stored choice as its number: the leading number of the text. Throws
// AppError ("Invalid property value") when it names no choice between `first`
// and `last`.
int storedChoice(const QString &text, int first, int last);

// A list of field captions as stored: every entry followed by "~~".
QString storedFieldList(const QStringList &fields);
// The entries of a stored list: the pieces between the "~~", the piece after
// the last one dropped (even when it is not empty).
QStringList storedFields(const QString &stored);

} // namespace vantorelle

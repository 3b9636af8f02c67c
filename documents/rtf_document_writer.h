#pragma once

#include "platform/private_files.h"

#include <QByteArray>
#include <QString>

class QPageLayout;

namespace vantorelle {

class PrintDocument;

// Writes a PrintDocument as RTF: paragraphs with their size, weight and
// alignment; tables as RTF rows with the column widths the printed pages give
// them (PrintLayout::fittedColumnWidths) and the header row marked to repeat
// on every page; the running text as the page header with a page-number field
// in place of "%d". Text is Windows-1252 (\'hh) where it can be, and \uN? for
// the characters beyond.
class RtfDocumentWriter {
public:
    // The RTF of `document` on pages of `pageLayout` (paper size and margins).
    static QByteArray toRtf(const PrintDocument &document, const QPageLayout &pageLayout);

    // Writes the RTF to `path`, replacing the file atomically; a new file gets
    // the permissions `access` names. Throws AppError when it cannot be
    // written; a file already there then stays as it was.
    static void save(const PrintDocument &document, const QPageLayout &pageLayout,
        const QString &path, NewFileAccess access);
};

} // namespace vantorelle

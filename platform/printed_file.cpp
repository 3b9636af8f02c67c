#include "platform/printed_file.h"

#include "platform/app_error.h"
#include "platform/file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <cerrno>

namespace vantorelle {

namespace {

// A PDF file is whole when its last line ends it and the cross-reference
// table it points to is where it says: a write that failed half way (a full
// disk) cuts the end or shifts what follows it.
bool wholePdf(const QByteArray &bytes)
{
    const QByteArray tail = bytes.right(64).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0)
        return false;
    bool ok = false;
    const qint64 offset = tail.mid(start + 9).chopped(5).trimmed().toLongLong(&ok);
    return ok && offset >= 0 && offset < bytes.size() && bytes.mid(offset, 4) == "xref";
}

void paintOrThrow(QPrinter &printer, const std::function<bool()> &paint, const QString &file)
{
    if (!paint() || printer.printerState() == QPrinter::Error)
        throw AppError(AppError::DeviceIoError).aboutFile(file);
}

} // namespace

void printWhole(QPrinter &printer, const std::function<bool()> &paint)
{
    const QString chosen = printer.outputFileName();
    if (chosen.isEmpty()) {
        paintOrThrow(printer, paint, QString());
        return;
    }

    // The printer truncates its file as it starts: it gets a temporary one.
    QTemporaryFile pages(chosen + QStringLiteral(".XXXXXX"));
    errno = 0;
    if (!pages.open())
        throw AppError::fromErrno(errno).aboutFile(chosen);
    pages.close(); // the printer opens it by name
    printer.setOutputFileName(pages.fileName());
    // The next print dialog offers the file chosen, whatever happens here.
    const auto restoreName = qScopeGuard([&] { printer.setOutputFileName(chosen); });
    paintOrThrow(printer, paint, chosen);

    QFile printed(pages.fileName());
    errno = 0;
    if (!printed.open(QIODevice::ReadOnly))
        throw AppError::fromErrno(errno).aboutFile(chosen);
    const QByteArray bytes = printed.readAll();
    const bool whole = printed.error() == QFileDevice::NoError && !bytes.isEmpty()
        && (printer.outputFormat() != QPrinter::PdfFormat || wholePdf(bytes));
    if (!whole)
        throw AppError(AppError::DeviceIoError).aboutFile(chosen);
    FileWriter::replace(chosen, bytes, NewFileAccess::UserUmask);
}

} // namespace vantorelle

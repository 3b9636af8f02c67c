#include "exchange/export_file.h"

#include "platform/app_error.h"

#include <cerrno>

namespace vantorelle {

ExportFile::ExportFile(const QString &path)
    : file_(path)
{
    buffer_.reserve(chunkSize + chunkSize / 4);
}

bool ExportFile::open()
{
    return file_.open(QIODevice::WriteOnly);
}

void ExportFile::writeBuffer()
{
    errno = 0;
    const auto size = static_cast<qint64>(buffer_.size());
    // A write the disk cut short can stay in Qt's buffer until the commit,
    // which would not report it: flushing shows it here.
    if (file_.write(buffer_.data(), size) != size || !file_.flush())
        throw AppError::fromErrno(errno).aboutFile(file_.fileName());
    buffer_.clear();
}

void ExportFile::commit()
{
    writeBuffer();
    errno = 0;
    if (!file_.commit())
        throw AppError::fromErrno(errno).aboutFile(file_.fileName());
}

} // namespace vantorelle

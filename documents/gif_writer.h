#pragma once

#include <QImage>
#include <QString>

namespace vantorelle {

// Saves images as GIF files with giflib.
namespace GifWriter {

// Writes `image` to `path` as a GIF file. The colours become a palette: exact
// when the image has at most 256 of them, else the 256 most used, every other
// colour shown as the nearest of them.
//
// The file is replaced whole: written to a temporary file in the same folder,
// flushed to disk and renamed over the old file, which keeps its permissions;
// a new file gets 0666 less the umask, like any other program's output.
// Throws AppError when the file cannot be written; the old file is then
// untouched and no temporary file is left.
void write(const QImage &image, const QString &path);

} // namespace GifWriter

} // namespace vantorelle

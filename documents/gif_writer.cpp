#include "documents/gif_writer.h"

#include "platform/app_error.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <gif_lib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace vantorelle::GifWriter {

namespace {

constexpr int maxColours = 256;

// The image as palette indices, one byte a pixel, row after row.
struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> colours;
    std::vector<GifPixelType> pixels;
};

QRgb rgbOf(QRgb pixel)
{
    return pixel & 0xffffff;
}

// Gives every colour an index in the order first met; false when the image has
// more than 256 colours. Neighbouring pixels mostly share a colour, and the
// few colours fit a small open-addressed table.
bool indexExactly(const QImage &image, PaletteImage &out)
{
    constexpr std::size_t tableSize = 1024;
    constexpr QRgb empty = 0xffffffff;
    std::array<QRgb, tableSize> keys;
    std::array<GifPixelType, tableSize> values {};
    keys.fill(empty);

    QRgb lastColour = empty;
    GifPixelType lastIndex = 0;
    GifPixelType *target = out.pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = rgbOf(line[x]);
            if (colour != lastColour) {
                std::size_t slot = (colour * 2654435761u) % tableSize;
                while (keys[slot] != colour && keys[slot] != empty)
                    slot = (slot + 1) % tableSize;
                if (keys[slot] == empty) {
                    if (out.colours.size() == maxColours)
                        return false;
                    keys[slot] = colour;
                    values[slot] = static_cast<GifPixelType>(out.colours.size());
                    out.colours.push_back(colour);
                }
                lastColour = colour;
                lastIndex = values[slot];
            }
            *target++ = lastIndex;
        }
    }
    return true;
}

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

// The 256 most used colours; every other colour becomes the nearest of them.
void indexByNearest(const QImage &image, PaletteImage &out)
{
    std::unordered_map<QRgb, std::size_t> uses;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++uses[rgbOf(line[x])];
    }
    std::vector<std::pair<std::size_t, QRgb>> byUse;
    byUse.reserve(uses.size());
    for (const auto &[colour, count] : uses)
        byUse.emplace_back(count, colour);
    std::partial_sort(
        byUse.begin(), byUse.begin() + maxColours, byUse.end(), [](const auto &a, const auto &b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });

    out.colours.clear();
    for (int i = 0; i < maxColours; ++i)
        out.colours.push_back(byUse[i].second);
    std::unordered_map<QRgb, GifPixelType> indexOf;
    for (const auto &entry : uses) {
        const QRgb colour = entry.first;
        const auto nearest = std::min_element(out.colours.begin(), out.colours.end(),
            [&](QRgb a, QRgb b) { return distance(a, colour) < distance(b, colour); });
        indexOf[colour] = static_cast<GifPixelType>(nearest - out.colours.begin());
    }
    GifPixelType *target = out.pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            *target++ = indexOf[rgbOf(line[x])];
    }
}

PaletteImage toPalette(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    PaletteImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    if (!indexExactly(image, out))
        indexByNearest(image, out);
    return out;
}

// Writes the GIF stream to `fd`, which stays open; returns 0 or an errno.
int writeGif(int fd, PaletteImage &image)
{
    // giflib closes the descriptor it is given; ours stays open to be synced.
    const int handle = ::dup(fd);
    if (handle < 0)
        return errno;
    int gifError = 0;
    GifFileType *gif = EGifOpenFileHandle(handle, &gifError);
    if (!gif) {
        ::close(handle);
        return ENOMEM;
    }

    // The colour map's size is a power of two, at least 2; unused entries black.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(image.colours.size()))
        ++bits;
    std::vector<GifColorType> colours(1 << bits, GifColorType {0, 0, 0});
    for (std::size_t i = 0; i < image.colours.size(); ++i) {
        const QRgb colour = image.colours[i];
        colours[i] = {static_cast<GifByteType>(qRed(colour)),
            static_cast<GifByteType>(qGreen(colour)), static_cast<GifByteType>(qBlue(colour))};
    }
    ColorMapObject *map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());

    errno = 0;
    bool written = map && EGifPutScreenDesc(gif, image.width, image.height, bits, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < image.height; ++y) {
        GifPixelType *line = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        written = EGifPutLine(gif, line, image.width) == GIF_OK;
    }
    int error = written ? 0 : (errno ? errno : EIO);
    GifFreeMapObject(map);

    errno = 0;
    if (EGifCloseFile(gif, &gifError) != GIF_OK && error == 0)
        error = errno ? errno : EIO;
    return error;
}

// Opens a new temporary file beside `path`; 0666 less the umask.
int createTemporary(const QByteArray &path, QByteArray &temporary)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = path.left(slash + 1);
    const QByteArray name = path.mid(slash + 1);
    for (;;) {
        temporary = folder + '.' + name + ".tmp"
            + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

void syncFolder(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(slash + 1);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void write(const QImage &image, const QString &path)
{
    PaletteImage palette = toPalette(image);
    const QByteArray target = QFile::encodeName(path);
    struct stat old { };
    const bool hadOld = ::stat(target.constData(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode))
        throw AppError::fromErrno(EISDIR).aboutFile(path);

    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        throw AppError::fromErrno(errno).aboutFile(path);
    int error = writeGif(fd, palette);
    if (error == 0 && hadOld && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        throw AppError::fromErrno(error).aboutFile(path);
    }
    syncFolder(target);
}

} // namespace vantorelle::GifWriter

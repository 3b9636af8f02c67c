#include <gtest/gtest.h>

#include "documents/gif_writer.h"
#include "documents/graph_renderer.h"
#include "platform/app_error.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gif_lib.h>
#include <memory>
#include <sys/stat.h>

using namespace vantorelle;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString &path)
{
    struct stat st { };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

struct GifCloser {
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// The GIF file read back by giflib, whole.
GifFile readGif(const QString &path)
{
    int error = 0;
    GifFile gif(DGifOpenFileName(QFile::encodeName(path).constData(), &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount != 1)
        return nullptr;
    return gif;
}

// The colour of pixel (x, y) of the first image.
QRgb pixelOf(const GifFileType &gif, int x, int y)
{
    const SavedImage &image = gif.SavedImages[0];
    const ColorMapObject *map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif.SColorMap;
    const GifColorType &c = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
    return qRgb(c.Red, c.Green, c.Blue);
}

GraphModel smallGraph()
{
    GraphModel model;
    model.setTitle("Blood Pressure vs Time");
    model.setValueAxisTitle("Units");
    model.setTimeAxisTitle("Date");
    model.addSeries("Systolic", QColor(255, 0, 0));
    model.addSeries("Diastolic", QColor(128, 128, 128));
    model.addSeries("Pulse", QColor(0, 0, 255));
    const QDate first(2026, 12, 1);
    model.setTimeAxis(
        {QDateTime(first, QTime(0, 0)), QDateTime(first.addDays(13), QTime(23, 59)), 24, 1});
    for (int day = 0; day < 14; ++day)
        model.appendRow(QDateTime(first.addDays(day), QTime(8, 15)), {120.0 + day, 80, 70.0 - day});
    return model;
}

class GifWriterTest : public ::testing::Test {
protected:
    // The graph as the graph window saves it.
    void saveGif(const QString &file) const
    {
        GifWriter::write(GraphRenderer::paletteImage(model, QSize(1200, 800)), file);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("graph.gif");
    GraphModel model = smallGraph();
};

} // namespace

TEST_F(GifWriterTest, TheGraphIsSavedAsAGifOf1200By800)
{
    saveGif(path);

    const QByteArray bytes = contents(path);
    ASSERT_GE(bytes.size(), 10);
    EXPECT_TRUE(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a")) << bytes.left(6).data();
    EXPECT_EQ(static_cast<uchar>(bytes[6]) | static_cast<uchar>(bytes[7]) << 8, 1200);
    EXPECT_EQ(static_cast<uchar>(bytes[8]) | static_cast<uchar>(bytes[9]) << 8, 800);

    const GifFile gif = readGif(path);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->SWidth, 1200);
    EXPECT_EQ(gif->SHeight, 800);
    EXPECT_EQ(gif->SavedImages[0].ImageDesc.Width, 1200);
    EXPECT_EQ(gif->SavedImages[0].ImageDesc.Height, 800);
}

TEST_F(GifWriterTest, EveryPixelKeepsItsExactColour)
{
    const QImage image = GraphRenderer::paletteImage(model, QSize(1200, 800));
    GifWriter::write(image, path);
    const GifFile gif = readGif(path);
    ASSERT_TRUE(gif);
    const int colours = gif->SColorMap->ColorCount;
    EXPECT_EQ(colours & (colours - 1), 0) << colours; // a power of two
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            wrong += pixelOf(*gif, x, y) != image.pixel(x, y);
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(GifWriterTest, AnImageOfManyColoursGetsTheNearestOfTheMostUsed)
{
    // 256 colours in wide bands, and a row of near neighbours of theirs.
    QImage image(300, 257, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 300; ++x)
            image.setPixel(x, y, qRgb(y, 255 - y, 0));
    }
    for (int x = 0; x < 300; ++x)
        image.setPixel(x, 256, qRgb(x * 255 / 299, 255 - x * 255 / 299, 1));
    GifWriter::write(image, path);

    const GifFile gif = readGif(path);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->SColorMap->ColorCount, 256);
    int wrong = 0;
    for (int y = 0; y < 256; ++y)
        wrong += pixelOf(*gif, y, y) != image.pixel(y, y);
    for (int x = 0; x < 300; ++x)
        wrong += pixelOf(*gif, x, 256) != (image.pixel(x, 256) & ~0xffu);
    EXPECT_EQ(wrong, 0);
}

TEST_F(GifWriterTest, ANewFileFollowsTheUmask)
{
    for (const mode_t mask : {mode_t(022), mode_t(077), mode_t(002)}) {
        const mode_t previous = ::umask(mask);
        const QString file = dir.filePath(QString("new%1.gif").arg(mask));
        saveGif(file);
        ::umask(previous);
        EXPECT_EQ(modeOf(file), 0666 & ~mask) << std::oct << mask;
    }
}

TEST_F(GifWriterTest, AReplacedFileKeepsItsModeAndNoTemporaryFileIsLeft)
{
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const mode_t previous = ::umask(077);
    saveGif(path);
    ::umask(previous);

    EXPECT_EQ(modeOf(path), mode_t(0640));
    EXPECT_TRUE(contents(path).startsWith("GIF8"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"graph.gif"});
}

TEST_F(GifWriterTest, AFullDiskIsReportedAndTheOldFileStays)
{
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old graph");
    }
    int number = 0;
    {
        const FileSizeLimit full(4096); // the disk looks full to this process
        try {
            saveGif(path);
        } catch (const AppError &e) {
            number = e.number();
        }
    }

    EXPECT_EQ(number, AppError::DiskFull);
    EXPECT_EQ(contents(path), QByteArray("the old graph"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"graph.gif"});
}

namespace {

struct UnwritableCase {
    const char *name;
    const char *path; // inside the test folder, which holds a file "plain"
    int number;
};

void PrintTo(const UnwritableCase &c, std::ostream *os)
{
    *os << c.name;
}

class UnwritablePath : public GifWriterTest,
                       public ::testing::WithParamInterface<UnwritableCase> { };

const UnwritableCase unwritableCases[] = {
    {"MissingFolder", "no/such/graph.gif", AppError::PathNotFound},
    {"FileForAFolder", "plain/graph.gif", AppError::PathNotFound},
    {"FolderForAFile", ".", AppError::PathFileAccessError},
};

} // namespace

TEST_P(UnwritablePath, IsReportedAndNothingIsWritten)
{
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    try {
        saveGif(dir.filePath(GetParam().path));
        FAIL() << "reported as saved";
    } catch (const AppError &e) {
        EXPECT_EQ(e.number(), GetParam().number);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList {"plain"});
}

INSTANTIATE_TEST_SUITE_P(Paths, UnwritablePath, ::testing::ValuesIn(unwritableCases),
    [](const auto &info) { return std::string(info.param.name); });

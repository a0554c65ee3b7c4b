// A PNG written band by band is sound by itself: its chunks and zlib stream
// are checked with zlib, which checks the stream's checksum that image readers
// may skip. That a chart's pixels come back whole is picture_writer_test's.
#include "picture/png_rows_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>

#include "picture/picture_error.h"

namespace kinmora {
namespace {

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

// `image` written in bands of `band` rows, each given with a spare row above
// as the chart's bands come.
QByteArray written(const QImage& image, int band) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PngRowsWriter png(buffer, image.width(), image.height(), 5906);
    for (int top = 0; top < image.height(); top += band) {
        const int rows = std::min(band, image.height() - top);
        QImage copy(image.width(), rows + 1, QImage::Format_RGB32);
        copy.fill(Qt::red);
        for (int y = 0; y < rows; ++y)
            std::copy_n(image.constScanLine(top + y), image.bytesPerLine(), copy.scanLine(y + 1));
        png.write(copy, 1, rows);
    }
    png.finish();
    return bytes;
}

// The image data of `png` inflated by zlib; every chunk's checksum checked.
QByteArray inflated(const QByteArray& png, qsizetype size) {
    EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    QByteArray data;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype length = bigEndian(png, at);
        const QByteArray chunk = png.mid(at + 4, 4 + length);
        EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size())),
                  bigEndian(png, at + 8 + length));
        if (chunk.startsWith("IDAT")) data += chunk.mid(4);
        at += 12 + length;
    }
    QByteArray rows(size + 1, '\0');
    uLongf length = uLongf(rows.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &length,
                         reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size())),
              Z_OK);
    return rows.left(qsizetype(length));
}

TEST(PngRowsWriterTest, RunsOfAMillionPixelsKeepTheChecksumRight) {
    // Runs this long take the checksum's closed form to its largest numbers.
    QImage image(1000000, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(999998, 1, qRgb(1, 2, 3));
    const QByteArray rows = inflated(written(image, 2), 2 * 3000001);
    ASSERT_EQ(rows.size(), 2 * 3000001);
    EXPECT_EQ(rows.mid(3000001 + 1 + 3 * 999998, 4), QByteArray("\x01\x02\x03\xff", 4));
}

// Bands that do not fit and images cut short are the writer's callers'
// faults; each is a PictureError, so the picture writer names the file.
TEST(PngRowsWriterTest, MisfitBandsAndShortImagesAreErrors) {
    const QImage band(4, 3, QImage::Format_RGB32);
    // The first row and count of rows of `band` written into a 4 x 2 image: more rows
    // than the image, rows beyond the band, a negative first row, too few rows.
    for (const auto& [first, rows] :
         {std::pair{0, 3}, std::pair{2, 2}, std::pair{-1, 1}, std::pair{0, 1}}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        PngRowsWriter png(buffer, 4, 2, 5906);
        EXPECT_THROW((png.write(band, first, rows), png.finish()), PictureError)
            << first << "+" << rows;
    }
    QBuffer closed;
    EXPECT_THROW(PngRowsWriter(closed, 4, 2, 5906), PictureError);
    QBuffer open;
    open.open(QIODevice::WriteOnly);
    EXPECT_THROW(PngRowsWriter(open, 0, 2, 5906), PictureError);
}

}  // namespace
}  // namespace kinmora

// A PNG written band by band holds exactly the pixels it was given: its
// chunks and its zlib stream are sound by themselves (checked with zlib, not
// only through an image reader, which may skip the stream's checksum), runs
// of every length come back whole, and misuse or an unwritable device is an
// error.
#include "picture/png_rows_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>
#include <random>

namespace kinmora {
namespace {

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

// Runs of one to three hundred pixels of a few colours, single odd pixels,
// and noise; one row all white.
QImage pattern(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    const QRgb colours[] = {qRgb(255, 255, 255), qRgb(223, 234, 250), qRgb(0, 0, 0),
                            qRgb(60, 60, 60), qRgb(255, 226, 130)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width;) {
            const int length = std::min<int>(width - x, 1 + random() % 300);
            const bool noise = random() % 4 == 0;
            const QRgb colour = colours[random() % 5];
            for (int i = 0; i < length; ++i, ++x)
                row[x] = noise ? qRgb(random() % 256, random() % 256, random() % 256) : colour;
        }
        if (y == height / 2) std::fill(row, row + width, qRgb(255, 255, 255));
    }
    return image;
}

// `image` written in bands of `band` rows.
QByteArray written(const QImage& image, int band) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PngRowsWriter png(buffer, image.width(), image.height(), 5906);
    for (int top = 0; top < image.height(); top += band) {
        const int rows = std::min(band, image.height() - top);
        // Each band given with a spare row above, as the chart's bands come.
        QImage copy(image.width(), rows + 1, QImage::Format_RGB32);
        copy.fill(Qt::red);
        for (int y = 0; y < rows; ++y)
            std::copy_n(image.constScanLine(top + y), image.bytesPerLine(), copy.scanLine(y + 1));
        png.write(copy, 1, rows);
    }
    png.finish();
    return bytes;
}

TEST(PngRowsWriterTest, EveryPixelComesBackThroughZlibAndAnImageReader) {
    for (const QSize size : {QSize(1, 1), QSize(1, 9), QSize(7, 3), QSize(1000, 40)})
        for (const int band : {1, 3, 1000}) {
            SCOPED_TRACE(testing::Message()
                         << size.width() << " x " << size.height() << ", band " << band);
            const QImage image = pattern(size.width(), size.height(), band * 7 + size.width());
            const QByteArray png = written(image, band);

            ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
            QByteArray data;
            QStringList types;
            for (qsizetype at = 8; at < png.size();) {
                const std::uint32_t length = bigEndian(png, at);
                ASSERT_LE(at + 12 + qsizetype(length), png.size());
                const QByteArray typeAndData = png.mid(at + 4, 4 + length);
                const auto* raw = reinterpret_cast<const Bytef*>(typeAndData.constData());
                EXPECT_EQ(crc32(0, raw, uInt(typeAndData.size())), bigEndian(png, at + 8 + length));
                types << QString::fromLatin1(typeAndData.left(4));
                if (types.back() == QLatin1String("IDAT")) data += typeAndData.mid(4);
                at += 12 + length;
            }
            EXPECT_EQ(types.first(), QLatin1String("IHDR"));
            EXPECT_EQ(types.back(), QLatin1String("IEND"));

            // zlib checks the stream's own checksum as it inflates.
            const qsizetype rowBytes = 1 + 3 * qsizetype(size.width());
            QByteArray rows(rowBytes * size.height() + 1, '\0');
            uLongf length = uLongf(rows.size());
            ASSERT_EQ(
                uncompress(reinterpret_cast<Bytef*>(rows.data()), &length,
                           reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size())),
                Z_OK);
            ASSERT_EQ(qsizetype(length), rowBytes * size.height());
            for (int y = 0; y < size.height(); ++y) {
                EXPECT_EQ(rows[y * rowBytes], '\0');
                const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < size.width(); ++x) {
                    const auto* rgb = reinterpret_cast<const unsigned char*>(
                        rows.constData() + y * rowBytes + 1 + 3 * x);
                    ASSERT_EQ(qRgb(rgb[0], rgb[1], rgb[2]), pixels[x]) << x << ", " << y;
                }
            }

            QImage decoded;
            ASSERT_TRUE(decoded.loadFromData(png, "png"));
            EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image);
            EXPECT_EQ(decoded.dotsPerMeterX(), 5906);
        }
}

TEST(PngRowsWriterTest, ARowOfAMillionPixelsKeepsItsChecksum) {
    // Runs this long take the checksum's closed form to its largest numbers.
    QImage image(1000000, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    reinterpret_cast<QRgb*>(image.scanLine(1))[999998] = qRgb(1, 2, 3);
    const QByteArray png = written(image, 2);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(png, "png"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image);
    // The checksum, the stream's last four bytes before the end chunk.
    const QByteArray tail = png.right(12 + 4 + 4);
    std::uint32_t adler = adler32(0, nullptr, 0);
    const QByteArray filter(1, '\0');
    for (int y = 0; y < 2; ++y) {
        adler = adler32(adler, reinterpret_cast<const Bytef*>(filter.constData()), 1);
        QByteArray rgb;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            rgb += char(qRed(p));
            rgb += char(qGreen(p));
            rgb += char(qBlue(p));
        }
        adler = adler32(adler, reinterpret_cast<const Bytef*>(rgb.constData()), uInt(rgb.size()));
    }
    EXPECT_EQ(bigEndian(tail, 0), adler);
}

TEST(PngRowsWriterTest, MisuseAndAnUnwritableDeviceAreErrors) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PngRowsWriter png(buffer, 10, 4, 100);
    QImage band(10, 3, QImage::Format_RGB32);
    band.fill(Qt::white);
    EXPECT_THROW(png.write(QImage(11, 3, QImage::Format_RGB32), 0, 3), PngRowsWriter::Error);
    EXPECT_THROW(png.write(band.convertToFormat(QImage::Format_RGB888), 0, 3),
                 PngRowsWriter::Error);
    EXPECT_THROW(png.write(band, 1, 3), PngRowsWriter::Error);  // past the band's end
    png.write(band, 0, 3);
    EXPECT_THROW(png.write(band, 0, 2), PngRowsWriter::Error);  // past the image's end
    EXPECT_THROW(png.finish(), PngRowsWriter::Error);           // a row still missing

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(PngRowsWriter(readOnly, 10, 4, 100), PngRowsWriter::Error);
}

}  // namespace
}  // namespace kinmora

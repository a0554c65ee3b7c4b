// Writes an RGB PNG a band of rows at a time, compressing it with a deflate
// encoder of its own that turns runs of equal pixels into back-references:
// a chart is mostly blank paper and flat box fills, which this packs many
// times faster than a general compressor, in memory that does not grow with
// the image.
#pragma once

#include <QIODevice>
#include <QImage>
#include <cstdint>
#include <vector>

namespace kinmora {

class PngRowsWriter {
public:
    // Every member throws PictureError when the PNG cannot be written.
    // Starts an 8-bit RGB image of `width` x `height` pixels at `dotsPerMeter`
    // in `out`, which is open for writing.
    PngRowsWriter(QIODevice& out, int width, int height, int dotsPerMeter);

    // Writes `rows` rows of `band` (Format_RGB32, the image's width) from
    // row `first` on as the image's next rows.
    void write(const QImage& band, int first, int rows);
    // Ends the image once every row is written.
    void finish();

private:
    void writeRow(const QRgb* pixels);
    void putBits(std::uint64_t bits, int count);
    void putLiteral(std::uint8_t byte);
    void putRun(QRgb pixel, std::int64_t count);
    void writeChunk(const char* type, const unsigned char* data, std::size_t size);
    void flushData();

    QIODevice& m_out;
    int m_width;
    int m_height;
    int m_rowsWritten = 0;
    std::uint64_t m_bits = 0;  // bits not yet whole bytes, the first in the lowest bit
    int m_bitCount = 0;
    std::vector<unsigned char> m_data;  // compressed bytes not yet in a chunk
    std::uint64_t m_adlerA = 1;         // the zlib checksum of the rows so far
    std::uint64_t m_adlerB = 0;
};

}  // namespace kinmora

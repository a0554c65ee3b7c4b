// The image data is one zlib stream holding a single deflate block with the
// fixed Huffman codes: each row is its filter byte (none) and its pixels,
// where a pixel equal to the one before it is a back-reference three bytes
// back, up to 86 pixels in one; any other pixel is three literals. The zlib
// checksum of a run is computed in closed form rather than byte by byte.
#include "picture/png_rows_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>

#include "picture/picture_error.h"

namespace kinmora {
namespace {

constexpr std::uint64_t kAdlerBase = 65521;
// Compressed bytes gathered before they go out as one IDAT chunk.
constexpr std::size_t kChunkBytes = 1 << 20;
// The longest back-reference deflate has, in bytes, and in pixels.
constexpr int kMaxMatch = 258;

struct Code {
    std::uint32_t bits = 0;  // in the order they go out, the first in the lowest bit
    int count = 0;
};

// A Huffman code of `count` bits, most significant first as deflate sends it.
Code huffman(std::uint32_t code, int count) {
    Code c{0, count};
    for (int i = 0; i < count; ++i) c.bits |= ((code >> i) & 1u) << (count - 1 - i);
    return c;
}

// The fixed literal/length code of deflate for `symbol` (0-287).
Code fixedCode(int symbol) {
    if (symbol < 144) return huffman(0x30 + symbol, 8);
    if (symbol < 256) return huffman(0x190 + symbol - 144, 9);
    if (symbol < 280) return huffman(symbol - 256, 7);
    return huffman(0xC0 + symbol - 280, 8);
}

struct Tables {
    std::array<Code, 256> literal;
    // A back-reference of `length` bytes (3 to 258) at distance 3: the
    // length's code and extra bits, then the distance's code.
    std::array<Code, kMaxMatch + 1> match;
    Tables() {
        for (int byte = 0; byte < 256; ++byte) literal[byte] = fixedCode(byte);
        static constexpr int kBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                        15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                        67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        const Code distance3 = huffman(2, 5);  // distance code 2 is distance 3
        for (int length = 3; length <= kMaxMatch; ++length) {
            int i = 28;
            while (kBase[i] > length) --i;
            const Code code = fixedCode(257 + i);
            Code& m = match[length];
            m.bits = code.bits | static_cast<std::uint32_t>(length - kBase[i]) << code.count;
            m.count = code.count + kExtra[i];
            m.bits |= distance3.bits << m.count;
            m.count += distance3.count;
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

void putBigEndian(unsigned char* out, std::uint32_t value) {
    out[0] = static_cast<unsigned char>(value >> 24);
    out[1] = static_cast<unsigned char>(value >> 16);
    out[2] = static_cast<unsigned char>(value >> 8);
    out[3] = static_cast<unsigned char>(value);
}

}  // namespace

PngRowsWriter::PngRowsWriter(QIODevice& out, int width, int height, int dotsPerMeter)
    : m_out(out), m_width(width), m_height(height) {
    if (width < 1 || height < 1) throw PictureError("an image needs at least one pixel");
    static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (m_out.write(reinterpret_cast<const char*>(kSignature), 8) != 8)
        throw PictureError(m_out.errorString().toStdString());
    unsigned char header[13] = {};
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header + 4, static_cast<std::uint32_t>(height));
    header[8] = 8;  // bits a channel
    header[9] = 2;  // RGB; compression, filter method and interlace are 0
    writeChunk("IHDR", header, sizeof header);
    unsigned char resolution[9] = {};
    putBigEndian(resolution, static_cast<std::uint32_t>(dotsPerMeter));
    putBigEndian(resolution + 4, static_cast<std::uint32_t>(dotsPerMeter));
    resolution[8] = 1;  // per metre
    writeChunk("pHYs", resolution, sizeof resolution);

    m_data.reserve(kChunkBytes + 64);
    // zlib: deflate with a 32 KB window, the fastest level; then the block
    // header: the last block, fixed codes.
    m_data.push_back(0x78);
    m_data.push_back(0x01);
    putBits(0b011, 3);
}

void PngRowsWriter::write(const QImage& band, int first, int rows) {
    if (band.format() != QImage::Format_RGB32 || band.width() != m_width || first < 0 || rows < 0 ||
        rows > band.height() - first || rows > m_height - m_rowsWritten)
        throw PictureError("a band of rows does not fit the image");
    for (int y = first; y < first + rows; ++y)
        writeRow(reinterpret_cast<const QRgb*>(band.constScanLine(y)));
    m_rowsWritten += rows;
}

void PngRowsWriter::writeRow(const QRgb* pixels) {
    putLiteral(0);  // the row is not filtered
    int x = 0;
    while (x < m_width) {
        const QRgb pixel = pixels[x];
        putLiteral(static_cast<std::uint8_t>(qRed(pixel)));
        putLiteral(static_cast<std::uint8_t>(qGreen(pixel)));
        putLiteral(static_cast<std::uint8_t>(qBlue(pixel)));
        int end = x + 1;
        while (end < m_width && pixels[end] == pixel) ++end;
        if (end > x + 1) putRun(pixel, end - x - 1);
        x = end;
    }
    m_adlerA %= kAdlerBase;
    m_adlerB %= kAdlerBase;
    if (m_data.size() >= kChunkBytes) flushData();
}

void PngRowsWriter::putBits(std::uint64_t bits, int count) {
    m_bits |= bits << m_bitCount;
    m_bitCount += count;
    while (m_bitCount >= 8) {
        m_data.push_back(static_cast<unsigned char>(m_bits));
        m_bits >>= 8;
        m_bitCount -= 8;
    }
}

void PngRowsWriter::putLiteral(std::uint8_t byte) {
    const Code& code = tables().literal[byte];
    putBits(code.bits, code.count);
    m_adlerA += byte;
    m_adlerB += m_adlerA;
}

void PngRowsWriter::putRun(QRgb pixel, std::int64_t count) {
    // `count` more copies of the three bytes just written.
    for (std::int64_t bytes = 3 * count; bytes > 0;) {
        const int length = static_cast<int>(std::min<std::int64_t>(bytes, kMaxMatch));
        const Code& code = tables().match[length];
        putBits(code.bits, code.count);
        bytes -= length;
    }
    // Over n repeats of bytes r, g, b the sum grows by n(r + g + b), and the
    // sum of sums by 3n times the old sum plus each byte weighted by how many
    // of the run's sums include it.
    const std::uint64_t n = static_cast<std::uint64_t>(count);
    const std::uint64_t r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const std::uint64_t triangle = n * (n + 1) / 2 % kAdlerBase;
    const std::uint64_t a = m_adlerA % kAdlerBase;
    const std::uint64_t less = n % kAdlerBase * (g + 2 * b) % kAdlerBase;
    m_adlerB = (m_adlerB % kAdlerBase + 3 * (n % kAdlerBase) * a + 3 * triangle * (r + g + b) +
                kAdlerBase - less) %
               kAdlerBase;
    m_adlerA = (a + n % kAdlerBase * (r + g + b)) % kAdlerBase;
}

void PngRowsWriter::finish() {
    if (m_rowsWritten != m_height) throw PictureError("the image ended before its last row");
    putBits(0, 7);  // the end of the block
    if (m_bitCount > 0) putBits(0, 8 - m_bitCount);
    const std::uint32_t adler =
        static_cast<std::uint32_t>(m_adlerB % kAdlerBase << 16 | m_adlerA % kAdlerBase);
    unsigned char checksum[4];
    putBigEndian(checksum, adler);
    m_data.insert(m_data.end(), checksum, checksum + 4);
    flushData();
    writeChunk("IEND", nullptr, 0);
}

void PngRowsWriter::flushData() {
    if (m_data.empty()) return;
    writeChunk("IDAT", m_data.data(), m_data.size());
    m_data.clear();
}

void PngRowsWriter::writeChunk(const char* type, const unsigned char* data, std::size_t size) {
    unsigned char head[8];
    putBigEndian(head, static_cast<std::uint32_t>(size));
    std::copy(type, type + 4, head + 4);
    uLong crc = crc32(0, head + 4, 4);
    if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
    unsigned char tail[4];
    putBigEndian(tail, static_cast<std::uint32_t>(crc));
    const auto whole = static_cast<qint64>(size);
    if (m_out.write(reinterpret_cast<const char*>(head), 8) != 8 ||
        (size > 0 && m_out.write(reinterpret_cast<const char*>(data), whole) != whole) ||
        m_out.write(reinterpret_cast<const char*>(tail), 4) != 4)
        throw PictureError(m_out.errorString().toStdString());
}

}  // namespace kinmora

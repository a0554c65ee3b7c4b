// Patches go through the same RC4 the writer scrambles the header with.
#include "support/file_patches.h"

#include <QFile>
#include <QtEndian>
#include <stdexcept>

#include "rc4.h"

namespace kinmora::testing {
namespace {

constexpr int kScrambledStart = 0x18;
constexpr int kVersionOffset = 0x14;
constexpr int kCodePageOffset = 0x3C;

// What the patches need to know of a file's format, from the version byte of page 0.
struct Layout {
    qint64 pageSize;
    int scrambledLength;
    int rowCountOffset;  // in a table definition page
};

Layout layoutOf(const QByteArray& bytes) {
    if (bytes.size() <= kVersionOffset) throw std::runtime_error("not an Access file");
    if (bytes[kVersionOffset] == 0) return {2048, 126, 12};
    return {4096, 128, 16};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read test file");
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void scramble(QByteArray& bytes) {
    static const char key[] = {'\xC7', '\xDA', '\x39', '\x6B'};
    mkfamily::Rc4(std::string_view(key, sizeof key))
        .apply(bytes.data() + kScrambledStart, layoutOf(bytes).scrambledLength);
}

}  // namespace

void setHeaderCodePage(const QString& path, std::uint16_t codePage) {
    QByteArray bytes = readAll(path);
    scramble(bytes);
    bytes[kCodePageOffset] = static_cast<char>(codePage & 0xFF);
    bytes[kCodePageOffset + 1] = static_cast<char>(codePage >> 8);
    scramble(bytes);
    writeAll(path, bytes);
}

void setJet3Password(const QString& path, const std::string& password) {
    QByteArray bytes = readAll(path);
    scramble(bytes);
    for (std::size_t i = 0; i < password.size() && i < 20; ++i) bytes[0x42 + i] = password[i];
    scramble(bytes);
    writeAll(path, bytes);
}

void zeroPage(const QString& path, int page) {
    QByteArray bytes = readAll(path);
    const qint64 pageSize = layoutOf(bytes).pageSize;
    std::fill(bytes.begin() + page * pageSize, bytes.begin() + (page + 1) * pageSize, '\0');
    writeAll(path, bytes);
}

void setRowCount(const QString& path, std::uint32_t from, std::uint32_t to) {
    QByteArray bytes = readAll(path);
    const Layout layout = layoutOf(bytes);
    char* found = nullptr;
    for (qint64 page = 0; page + layout.pageSize <= bytes.size(); page += layout.pageSize) {
        char* count = bytes.data() + page + layout.rowCountOffset;
        if (bytes[page] != 0x02 || qFromLittleEndian<quint32>(count) != from) continue;
        if (found) throw std::runtime_error("two table definitions count that many rows");
        found = count;
    }
    if (!found) throw std::runtime_error("no table definition counts that many rows");
    qToLittleEndian<quint32>(to, found);
    writeAll(path, bytes);
}

std::string asLatin1Bytes(const QString& latin1) {
    QString text;
    for (const QChar c : latin1) {
        const char16_t u = c.unicode();
        if (u < 0xA1)
            text += c;
        else if (u <= 0xDA || (u >= 0xDF && u <= 0xFB))
            text += QChar(static_cast<char16_t>(0x0E01 + (u - 0xA1)));
        else
            throw std::invalid_argument("code page 874 has no letter with that byte");
    }
    return text.toStdString();
}

}  // namespace kinmora::testing

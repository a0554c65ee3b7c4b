// DatabaseHeader builds page 0, which names the file's format, says its text is Thai and
// keeps the database password.
//
// Page 0 as written here (offsets in the page; L = little-endian):
//   0x00  0x00 (page type), 0x01
//   0x04  engine name, NUL-terminated: "Standard Jet DB" (Access 97, 2000),
//         "Standard ACE DB" (Access 2007)
//   0x14  version: 0x00 Access 97, 0x01 Access 2000, 0x02 Access 2007
//   0x18  start of the scrambled stretch: 126 bytes (Jet 3) or 128 (Jet 4) XORed with the
//         RC4 key stream of the key C7 DA 39 6B. The fields below are inside it and are
//         given before scrambling:
//   0x3A  Access 97: sort order, 2 bytes L (0x041E Thai)
//   0x3C  code page, 2 bytes L (874)
//   0x3E  database key, 4 bytes: 0 (pages not encrypted)
//   0x42  password, NUL-padded:
//           Access 97: 20 bytes, code page 874.
//           Access 2000/2007: 40 bytes, UCS-2 L (20 characters), and all 40 bytes XORed
//           with a 4-byte mask repeated ten times: the creation date's whole day count
//           (the double at 0x72, truncated toward minus infinity) as a 4-byte L integer.
//           Padding therefore reads as the mask, not as zeros.
//   0x6E  Access 2000/2007: sort order, 2 bytes L (0x041E Thai)
//   0x72  Access 2000/2007: creation date, 8-byte L double, days since 1899-12-30
// Reading the password back: unscramble with the same RC4 key stream, XOR the 40 bytes with
// the mask made from the unscrambled 0x72 (Jet 4), and stop at the first NUL character.
#include "database_header.h"

#include <cmath>
#include <stdexcept>

#include "little_endian.h"
#include "rc4.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

namespace {

constexpr std::size_t kEngineOffset = 0x04;
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::size_t kScrambledStart = 0x18;
constexpr char kScrambleKey[] = {'\xC7', '\xDA', '\x39', '\x6B'};
constexpr std::size_t kJet3SortOrderOffset = 0x3A;
constexpr std::size_t kCodePageOffset = 0x3C;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kJet4SortOrderOffset = 0x6E;
constexpr std::size_t kCreationDateOffset = 0x72;

std::string passwordBytes(const JetFormat& format, const std::string& password) {
    std::string bytes;
    try {
        bytes = TextEncoder(format).plain(password);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument("the password cannot be kept in an " +
                                    std::string(format.name) + " file: " + e.what());
    }
    const std::size_t characterSize = format.unicode ? 2 : 1;
    if (bytes.size() > jet::kMaxPasswordLength * characterSize) {
        throw std::invalid_argument("the password has more than the 20 characters Access allows");
    }
    if (bytes.find(std::string(characterSize, '\0')) != std::string::npos) {
        throw std::invalid_argument("the password holds a NUL character, which would end it");
    }
    bytes.resize(jet::kMaxPasswordLength * characterSize, '\0');
    return bytes;
}

}  // namespace

std::string DatabaseHeader::page(const JetFormat& format, const std::string& password,
                                 double created) {
    std::string page(format.pageSize, '\0');
    page[0] = static_cast<char>(jet::kDatabaseDefinitionPage);
    page[1] = 0x01;
    page.replace(kEngineOffset, format.engine.size(), format.engine);
    page[kVersionOffset] = static_cast<char>(format.version);
    little_endian::put16(page, kCodePageOffset, jet::kThaiCodePage);
    std::string secret = passwordBytes(format, password);
    if (format.unicode) {
        little_endian::put16(page, kJet4SortOrderOffset, jet::kThaiSortOrder);
        std::string date;
        little_endian::appendDouble(date, created);
        page.replace(kCreationDateOffset, date.size(), date);
        // The day count fits 32 bits for every date Access can hold (years 100 to 9999).
        std::string mask;
        little_endian::append32(
            mask, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(created))));
        for (std::size_t i = 0; i < secret.size(); ++i) secret[i] ^= mask[i % mask.size()];
    } else {
        little_endian::put16(page, kJet3SortOrderOffset, jet::kThaiSortOrder);
    }
    page.replace(kPasswordOffset, secret.size(), secret);
    Rc4(std::string_view(kScrambleKey, sizeof kScrambleKey))
        .apply(page.data() + kScrambledStart, format.scrambledLength);
    return page;
}

}  // namespace kinmora::mkfamily

// DatabaseHeader builds page 0, which marks the file as an Access 97 database with Thai text.
#include "database_header.h"

#include "jet3_format.h"
#include "little_endian.h"
#include "rc4.h"

namespace kinmora::mkfamily {

namespace {

constexpr char kEngineName[] = "Standard Jet DB";
constexpr std::size_t kVersionOffset = 0x14;  // 0 is Jet 3
// Jet scrambles this stretch with a fixed RC4 key; the fields below live inside it.
constexpr std::size_t kScrambledStart = 0x18;
constexpr std::size_t kScrambledLength = 126;
constexpr char kScrambleKey[] = {'\xC7', '\xDA', '\x39', '\x6B'};
constexpr std::size_t kSortOrderOffset = 0x3A;
constexpr std::size_t kCodePageOffset = 0x3C;
// The database key at 0x3E stays 0: pages are not encrypted. No password at 0x42 either.

}  // namespace

std::string DatabaseHeader::page() {
    std::string page(jet3::kPageSize, '\0');
    page[0] = static_cast<char>(jet3::kDatabaseDefinitionPage);
    page[1] = 0x01;
    page.replace(4, sizeof kEngineName, kEngineName, sizeof kEngineName);
    page[kVersionOffset] = 0x00;
    little_endian::put16(page, kSortOrderOffset, jet3::kThaiSortOrder);
    little_endian::put16(page, kCodePageOffset, jet3::kThaiCodePage);
    Rc4(std::string_view(kScrambleKey, sizeof kScrambleKey))
        .apply(page.data() + kScrambledStart, kScrambledLength);
    return page;
}

}  // namespace kinmora::mkfamily

// Part of the header page is scrambled with RC4 under a fixed key; Jet 4
// masks its password once more with the file's creation date. Nothing here
// hands the stored password out.
#include "data/database_password.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/code_page.h"
#include "data/text_decoder.h"

namespace kinmora {
namespace {

constexpr std::size_t kScrambledStart = 0x18;
constexpr std::size_t kJet3ScrambledLength = 126;
constexpr std::size_t kJet4ScrambledLength = 128;
constexpr unsigned char kScrambleKey[] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr std::size_t kCodePageOffset = 0x3C;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kJet3PasswordLength = 20;
constexpr std::size_t kJet4PasswordLength = 40;
constexpr std::size_t kCreationDateOffset = 0x72;

// The first page with its scrambled part made plain again.
std::vector<unsigned char> unscrambled(const unsigned char* page, bool jet3) {
    const std::size_t length = jet3 ? kJet3ScrambledLength : kJet4ScrambledLength;
    std::vector<unsigned char> bytes(page, page + kScrambledStart + length);
    unsigned char state[256];
    for (int i = 0; i < 256; ++i) state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + kScrambleKey[i % sizeof kScrambleKey]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    for (std::size_t n = kScrambledStart, i = 0, j = 0; n < bytes.size(); ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        bytes[n] ^= state[(state[i] + state[j]) & 0xFF];
    }
    return bytes;
}

bool allZero(const unsigned char* bytes, std::size_t size) {
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

// The whole days of the creation date, as four bytes repeated.
void unmaskWithCreationDate(const std::vector<unsigned char>& header, unsigned char* password) {
    double date = 0;
    std::memcpy(&date, header.data() + kCreationDateOffset, sizeof date);
    const double days = std::isfinite(date) ? std::floor(date) : 0.0;
    const auto whole = static_cast<std::uint32_t>(
        static_cast<std::int32_t>(std::clamp(days, -2147483648.0, 2147483647.0)));
    for (std::size_t i = 0; i < kJet4PasswordLength; ++i)
        password[i] ^= static_cast<unsigned char>(whole >> (8 * (i % 4)));
}

}  // namespace

DatabasePassword::DatabasePassword(const unsigned char* page, bool jet3) : m_jet3(jet3) {
    const std::vector<unsigned char> header = unscrambled(page, jet3);
    m_codePage = header[kCodePageOffset] | header[kCodePageOffset + 1] << 8;
    unsigned char password[kJet4PasswordLength] = {};
    const std::size_t length = jet3 ? kJet3PasswordLength : kJet4PasswordLength;
    std::memcpy(password, header.data() + kPasswordOffset, length);
    // A writer that leaves the field empty, rather than scrambled or masked,
    // sets no password.
    if (allZero(password, length) || allZero(page + kPasswordOffset, length)) return;
    if (!jet3) unmaskWithCreationDate(header, password);
    std::size_t end = 0;
    if (jet3)
        while (end < length && password[end] != 0) ++end;
    else
        while (end + 1 < length && (password[end] != 0 || password[end + 1] != 0)) end += 2;
    m_stored = QByteArray(reinterpret_cast<const char*>(password), static_cast<qsizetype>(end));
}

bool DatabasePassword::matches(const QString& given) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_stored.constData());
    const auto size = static_cast<std::size_t>(m_stored.size());
    if (!m_jet3) return TextDecoder::unicode().decode(bytes, size) == given;
    if (TextDecoder::codePage(code_page::kThai).decode(bytes, size) == given) return true;
    if (m_codePage == code_page::kThai || !code_page::isKnown(m_codePage)) return false;
    return TextDecoder::codePage(m_codePage).decode(bytes, size) == given;
}

}  // namespace kinmora

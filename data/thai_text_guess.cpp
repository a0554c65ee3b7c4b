// Latin-1 text keeps its accented letters one at a time between ASCII
// letters, where a Thai vowel or tone mark could never stand; Thai words are
// runs of such bytes in a fixed order: a leading vowel before a consonant,
// vowels and marks above and below after one. Chinese, Japanese and Korean
// double bytes, and Cyrillic, can fall into that order by chance, but they
// spread over every byte alike where Thai writing leans on a few letters:
// each byte is weighed by how much likelier it is in Thai than at random.
#include "data/thai_text_guess.h"

#include <array>
#include <cmath>

namespace kinmora {
namespace {

// How often each letter comes in Thai prose, in ten-thousandths (rounded
// counts of Thai text; the rare letters are what tells double-byte text
// apart, so their counts matter more than the common ones').
struct LetterShare {
    char16_t letter;
    float share;
};
constexpr LetterShare kShares[] = {
    {u'า', 900}, {u'น', 700}, {u'ร', 600}, {u'อ', 550}, {u'ก', 530}, {u'่', 520},  {u'เ', 500},
    {u'ง', 420}, {u'ม', 420}, {u'ย', 360}, {u'ั', 350},  {u'้', 320},  {u'ล', 300}, {u'ว', 300},
    {u'ด', 290}, {u'ท', 280}, {u'ส', 270}, {u'ิ', 270},  {u'ต', 260}, {u'ค', 250}, {u'ี', 220},
    {u'บ', 220}, {u'ห', 220}, {u'ะ', 180}, {u'ป', 170}, {u'แ', 160}, {u'พ', 160}, {u'จ', 150},
    {u'ไ', 150}, {u'ข', 150}, {u'ุ', 150},  {u'ใ', 110}, {u'ช', 110}, {u'็', 100},  {u'ำ', 100},
    {u'ู', 90},   {u'ื', 90},   {u'์', 90},   {u'โ', 80},  {u'ถ', 70},  {u'ึ', 70},   {u'ณ', 60},
    {u'ผ', 50},  {u'ศ', 50},  {u'ธ', 50},  {u'ซ', 50},  {u'ภ', 40},  {u'ญ', 30},  {u'ฟ', 30},
    {u'ษ', 25},  {u'ฉ', 25},  {u'ๆ', 25},  {u'ฝ', 15},  {u'๊', 15},   {u'ฮ', 10},  {u'ฐ', 10},
    {u'ฤ', 10},  {u'๋', 8},    {u'ฑ', 5},   {u'ฒ', 5},   {u'ฆ', 3},   {u'ฎ', 3},   {u'ฏ', 3},
    {u'ฬ', 3},   {u'ฯ', 3},   {u'ฌ', 1},   {u'ํ', 1},    {u'ฺ', 1},    {u'ๅ', 1},   {u'฿', 1},
};
// Thai digits, the Windows additions (quotes, dashes, ellipsis, euro, no-break
// space), and everything else: letters no longer written, bytes the code page
// leaves undefined.
constexpr float kDigitShare = 5;
constexpr float kWindowsShare = 5;
constexpr float kOtherShare = 0.1f;

// log2 of each byte's share in Thai over its share among the 128 bytes above 0x7F.
std::array<float, 256> makeWeights() {
    std::array<float, 256> shares{};
    shares.fill(kOtherShare);
    for (const LetterShare& s : kShares) shares[s.letter - 0x0E00 + 0xA0] = s.share;
    for (int b = 0xF0; b <= 0xF9; ++b) shares[b] = kDigitShare;
    for (int b : {0x80, 0x85, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0xA0})
        shares[b] = kWindowsShare;
    std::array<float, 256> weights{};
    for (int b = 0x80; b < 0x100; ++b) weights[b] = std::log2(shares[b] * 128 / 10000.0f);
    return weights;
}

float weightOf(unsigned char b) {
    static const std::array<float, 256> weights = makeWeights();
    return weights[b];
}

bool isConsonant(unsigned char b) {
    return b >= 0xA1 && b <= 0xCE;
}
// Vowels written above or below the consonant they follow.
bool isAboveOrBelowVowel(unsigned char b) {
    return b == 0xD1 || (b >= 0xD4 && b <= 0xDA) || b == 0xE7;
}
// Tone marks and the silencer, which sit on a consonant or on its vowel.
bool isToneMark(unsigned char b) {
    return b >= 0xE8 && b <= 0xEE;
}
bool isLeadingVowel(unsigned char b) {
    return b >= 0xE0 && b <= 0xE4;
}
// Vowels and signs written after a syllable: ฯ ะ า ำ ๅ ๆ.
bool isTrailing(unsigned char b) {
    return b == 0xCF || b == 0xD0 || b == 0xD2 || b == 0xD3 || b == 0xE5 || b == 0xE6;
}
bool isThaiDigit(unsigned char b) {
    return b >= 0xF0 && b <= 0xF9;
}
bool isThaiLetter(unsigned char b) {
    return isConsonant(b) || isAboveOrBelowVowel(b) || isToneMark(b) || isLeadingVowel(b) ||
           isTrailing(b);
}

// Whether the byte at `i` stands where Thai writing allows it.
bool inThaiOrder(const unsigned char* s, std::size_t size, std::size_t i) {
    const unsigned char b = s[i];
    const unsigned char before = i > 0 ? s[i - 1] : 0;
    const unsigned char after = i + 1 < size ? s[i + 1] : 0;
    if (isConsonant(b)) return isThaiLetter(before) || isThaiLetter(after);
    if (isAboveOrBelowVowel(b)) return isConsonant(before);
    if (isToneMark(b))
        return isConsonant(before) ||
               (isAboveOrBelowVowel(before) && i > 1 && isConsonant(s[i - 2]));
    if (isLeadingVowel(b)) return isConsonant(after);
    if (isTrailing(b)) return isThaiLetter(before);
    if (isThaiDigit(b)) return isThaiDigit(before) || isThaiDigit(after);
    return false;
}

}  // namespace

void ThaiTextGuess::add(const unsigned char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] < 0x80) continue;
        ++m_high;
        if (inThaiOrder(bytes, size, i)) ++m_thai;
        m_weight += weightOf(bytes[i]);
    }
}

std::optional<bool> ThaiTextGuess::verdict() const {
    if (m_high == 0) return std::nullopt;
    // Nine in ten in Thai order: a typing slip or a stray symbol in Thai
    // text stays Thai, Latin-1 text scores next to nothing. And likelier
    // Thai than not: double-byte text that happens to fall in order leans on
    // letters Thai hardly uses.
    return m_thai * 10 >= m_high * 9 && m_weight >= 0;
}

}  // namespace kinmora

// Latin-1 text keeps its accented letters one at a time between ASCII
// letters, where a Thai vowel or tone mark could never stand; Thai words are
// runs of such bytes in a fixed order: a leading vowel before a consonant,
// vowels and marks above and below after one.
#include "data/thai_text_guess.h"

namespace kinmora {
namespace {

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
    }
}

std::optional<bool> ThaiTextGuess::verdict() const {
    if (m_high == 0) return std::nullopt;
    // Nine in ten: a typing slip or a stray symbol in Thai text stays Thai,
    // Latin-1 text scores next to nothing, and Chinese in GBK, whose bytes
    // fall on Thai letters more often than not, still stays below.
    return m_thai * 10 >= m_high * 9;
}

}  // namespace kinmora

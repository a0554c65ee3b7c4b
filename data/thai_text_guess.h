// Tells Thai text in code page 874 from other single-byte text by its bytes,
// for Access 97 files whose header names another code page.
#pragma once

#include <cstddef>
#include <optional>

namespace kinmora {

class ThaiTextGuess {
public:
    // Takes the bytes of one text value into account.
    void add(const unsigned char* bytes, std::size_t size);

    // True once enough bytes above 0x7F were seen for a firm verdict; the
    // reader stops sampling then.
    bool sure() const { return m_high >= kEnough; }

    // Whether the text seen is Thai: a clear majority of its bytes above
    // 0x7F are code page 874 letters, vowels and marks standing where Thai
    // writing puts them, and the letters are as Thai uses them, not spread
    // evenly as Chinese, Japanese or Korean double bytes are. Empty while no
    // byte above 0x7F was seen (plain ASCII reads the same either way).
    std::optional<bool> verdict() const;

private:
    static constexpr std::size_t kEnough = 4096;
    std::size_t m_high = 0;
    std::size_t m_thai = 0;
    float m_weight = 0;  // in bits: above zero, likelier Thai than not
};

}  // namespace kinmora

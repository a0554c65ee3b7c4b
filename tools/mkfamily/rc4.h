// Rc4 is the stream cipher Jet uses to scramble part of the database header page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kinmora::mkfamily {

class Rc4 {
public:
    explicit Rc4(std::string_view key);
    // XORs the next `size` bytes of key stream into `data`; applying it twice restores them.
    void apply(char* data, std::size_t size);

private:
    std::array<std::uint8_t, 256> m_state{};
    std::uint8_t m_i = 0;
    std::uint8_t m_j = 0;
};

}  // namespace kinmora::mkfamily

// Rc4 is the stream cipher Jet uses to scramble part of the database header page.
#include "rc4.h"

#include <utility>

namespace kinmora::mkfamily {

Rc4::Rc4(std::string_view key) {
    for (std::size_t n = 0; n < m_state.size(); ++n) m_state[n] = static_cast<std::uint8_t>(n);
    std::uint8_t j = 0;
    for (std::size_t n = 0; n < m_state.size(); ++n) {
        j = static_cast<std::uint8_t>(j + m_state[n] +
                                      static_cast<std::uint8_t>(key[n % key.size()]));
        std::swap(m_state[n], m_state[j]);
    }
}

void Rc4::apply(char* data, std::size_t size) {
    for (std::size_t n = 0; n < size; ++n) {
        m_i = static_cast<std::uint8_t>(m_i + 1);
        m_j = static_cast<std::uint8_t>(m_j + m_state[m_i]);
        std::swap(m_state[m_i], m_state[m_j]);
        const std::uint8_t k = m_state[static_cast<std::uint8_t>(m_state[m_i] + m_state[m_j])];
        data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^ k);
    }
}

}  // namespace kinmora::mkfamily

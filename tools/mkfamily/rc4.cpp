// Rc4 is the stream cipher Jet uses to scramble part of the database header page.
#include "rc4.h"

#include <utility>

namespace kinmora::mkfamily {

Rc4::Rc4(std::string_view key) {
    for (std::size_t n = 0; n < state_.size(); ++n) state_[n] = static_cast<std::uint8_t>(n);
    std::uint8_t j = 0;
    for (std::size_t n = 0; n < state_.size(); ++n) {
        j = static_cast<std::uint8_t>(j + state_[n] +
                                      static_cast<std::uint8_t>(key[n % key.size()]));
        std::swap(state_[n], state_[j]);
    }
}

void Rc4::apply(char* data, std::size_t size) {
    for (std::size_t n = 0; n < size; ++n) {
        i_ = static_cast<std::uint8_t>(i_ + 1);
        j_ = static_cast<std::uint8_t>(j_ + state_[i_]);
        std::swap(state_[i_], state_[j_]);
        const std::uint8_t k = state_[static_cast<std::uint8_t>(state_[i_] + state_[j_])];
        data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^ k);
    }
}

}  // namespace kinmora::mkfamily

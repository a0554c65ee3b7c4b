// Thai text in code page 874 (TIS-620 with the Windows additions), as Access 97 stores it.
#pragma once

#include <QString>
#include <cstddef>

namespace kinmora {

// Decodes `size` bytes of code page 874. Bytes the code page leaves undefined,
// and control characters other than tab and line breaks, become U+FFFD, so
// that damaged text shows as damaged instead of vanishing or acting.
QString decodeCp874(const unsigned char* bytes, std::size_t size);

}  // namespace kinmora

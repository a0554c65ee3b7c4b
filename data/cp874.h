// Thai text in code page 874 (TIS-620 with the Windows additions), as Access 97 stores it.
#pragma once

#include <QString>
#include <cstddef>

namespace kinmora {

// Decodes `size` bytes of code page 874. Bytes the code page leaves undefined
// become U+FFFD, so that damaged text shows as damaged instead of vanishing.
QString decodeCp874(const unsigned char* bytes, std::size_t size);

}  // namespace kinmora

// Writes an export to a file that is replaced only when the whole export succeeds.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace kinmora {

class ExportFile {
public:
    // Runs `body` on a temporary file beside `path` and, when it returns,
    // puts the file in place of `path`. When `body` throws, or the file
    // cannot be written, `path` is left as it was and the temporary file is
    // removed. Throws std::runtime_error naming the file and the reason, or
    // what `body` threw.
    static void write(const QString& path, const std::function<void(QIODevice&)>& body);
};

}  // namespace kinmora

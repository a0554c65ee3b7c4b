// How an export reports its progress and how it is stopped half way.
#pragma once

#include <QtGlobal>
#include <functional>
#include <stdexcept>

namespace kinmora {

// Told `done` of `total` steps now and then; returning false stops the export,
// which then throws ExportCancelled. An empty function is never called.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

class ExportCancelled : public std::runtime_error {
public:
    ExportCancelled() : std::runtime_error("the export was cancelled") {}
};

}  // namespace kinmora

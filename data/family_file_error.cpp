// Texts are kept as QString and what() as UTF-8, so Thai survives whatever
// the locale's own encoding is.
#include "data/family_file_error.h"

namespace kinmora {

FamilyFileError::FamilyFileError(Kind kind, QString path, QString reason)
    : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()),
      m_kind(kind),
      m_path(std::move(path)),
      m_reason(std::move(reason)) {}

FamilyFileError::FamilyFileError(Kind kind, QString reason)
    : std::runtime_error(reason.toStdString()), m_kind(kind), m_reason(std::move(reason)) {}

}  // namespace kinmora

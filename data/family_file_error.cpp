// A file-naming error message, kept in parts so that a window can word it its own way.
#include "data/family_file_error.h"

namespace kinmora {

FamilyFileError::FamilyFileError(QString path, QString reason)
    : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()),
      m_path(std::move(path)),
      m_reason(std::move(reason)) {}

}  // namespace kinmora

// Why a family file cannot be opened, in Thai first for the windows, with
// the reader's own sentence kept after it as the technical detail.
#pragma once

#include <QString>

namespace kinmora {

// The Thai sentence for a FamilyFileError reason ("is empty" gives
// "แฟ้มนี้ว่างเปล่า"), then a blank line and `reason` itself.
QString thaiReason(const QString& reason);

// Panel 1's warning for a file that opened with damage (FamilyDatabase::damage).
QString thaiDamageWarning(const QStringList& damage);

}  // namespace kinmora

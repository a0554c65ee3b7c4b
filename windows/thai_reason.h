// Why a family file cannot be opened, in Thai first for the windows, with
// the reader's own sentence kept after it as the technical detail.
#pragma once

#include <QString>
#include <vector>

#include "data/engine.h"
#include "data/family_file_error.h"

namespace kinmora {

// The Thai sentence for what went wrong (an empty file gives
// "แฟ้มนี้ว่างเปล่า"), then a blank line and the error's own reason.
QString thaiReason(const FamilyFileError& error);

// Panel 1's warning for a file that opened with damage
// (FamilyDatabase::shortTables), its detail in Thai too.
QString thaiDamageWarning(const std::vector<Engine::ShortTable>& shortTables);

}  // namespace kinmora

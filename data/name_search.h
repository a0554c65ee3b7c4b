// The Search command's test and walk: which persons' "name          surname"
// lines contain a text, in the order of the shared person record set.
#pragma once

#include <QString>
#include <QStringList>

#include "data/record_set.h"
#include "data/value.h"

namespace kinmora {

// The ten spaces between name and surname in a search hit line.
inline const QString kHitGap = QString(10, QLatin1Char(' '));

// True when `search` occurs in `full`: exact, case-sensitive, no trimming,
// at any position of a text of any length. An empty `search` occurs everywhere.
bool hasText(const QString& search, const QString& full);

// NAME, ten spaces, SURNAME: the full text searched and the line listed; a
// Null part counts as empty text.
QString hitLine(const Value& name, const Value& surname);

// Moves `persons` to its first record and walks it to the end, returning
// the hit line of every record whose hit line contains `search`, in the
// record set's order. Afterwards `persons` stands past its last record.
// An empty record set gives no hits. Throws FamilyFileError (BadQuery) when the record set
// has no NAME or SURNAME field.
QStringList searchHits(RecordSet& persons, const QString& search);

}  // namespace kinmora

// Positions are counted without a limit, so long names are searched whole.
#include "data/name_search.h"

#include "data/family_columns.h"

namespace kinmora {

bool hasText(const QString& search, const QString& full) {
    return full.contains(search, Qt::CaseSensitive);
}

QString hitLine(const Value& name, const Value& surname) {
    return name.toText() + kHitGap + surname.toText();
}

QStringList searchHits(RecordSet& rs, const QString& search) {
    QStringList hits;
    if (rs.recordCount() == 0) return hits;
    // A family's record set has both fields; value() refuses a missing one.
    const int nameField = rs.fieldIndex(QLatin1String(family_field::kName));
    const int surnameField = rs.fieldIndex(QLatin1String(family_field::kSurname));
    rs.first();
    while (!rs.atEnd()) {
        const QString line = hitLine(rs.value(nameField), rs.value(surnameField));
        if (hasText(search, line)) hits.append(line);
        rs.next();
    }
    return hits;
}

}  // namespace kinmora

// Positions are counted without a limit, so long names are searched whole.
#include "data/name_search.h"

#include "data/family_file_error.h"

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
    const int nameField = rs.fieldIndex(QStringLiteral("NAME"));
    const int surnameField = rs.fieldIndex(QStringLiteral("SURNAME"));
    if (nameField < 0 || surnameField < 0)
        throw FamilyFileError(
            FamilyFileError::Kind::BadQuery,
            QStringLiteral("no field named \"%1\"")
                .arg(nameField < 0 ? QStringLiteral("NAME") : QStringLiteral("SURNAME")));
    rs.first();
    while (!rs.atEnd()) {
        const QString line = hitLine(rs.value(nameField), rs.value(surnameField));
        if (hasText(search, line)) hits.append(line);
        rs.next();
    }
    return hits;
}

}  // namespace kinmora

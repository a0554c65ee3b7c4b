// What a chart picture writes in a person's box besides the name: the
// surname, the sex and the dates, for every person of the family by code.
#pragma once

#include <QHash>
#include <QString>
#include <cstdint>

#include "data/family_database.h"
#include "data/living_rule.h"

namespace kinmora {

class PersonFacts {
public:
    struct Facts {
        QString surname;  // "" when Null
        bool male = false;
        QString dates;  // "born - died" as the particulars window writes each date; "" when both
                        // unknown
    };

    // Reads every person of `database` in one query. Where a damaged file
    // holds a code more than once, the first stored row counts. Throws
    // FamilyFileError when the family table lacks a field.
    // A living person whom `living` hides has no dates.
    static PersonFacts load(FamilyDatabase& database,
                            const LivingRule& living = LivingRule(LivingDetails::Full, {}));

    // The facts of the person coded `code`, or null when nobody has it.
    const Facts* find(std::int64_t code) const;

    // "05/03/2520 - 01/07/2563", "05/03/2520" or "- 01/07/2563"; a missing
    // part is left out rather than shown as a row of question marks.
    static QString datesText(const QString& born, const QString& died);

private:
    QHash<std::int64_t, Facts> m_byCode;
};

}  // namespace kinmora

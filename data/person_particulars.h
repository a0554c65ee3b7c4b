// The particulars of one person as the personal information window shows
// them: the nine texts, worked out from the shared person record set.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "data/record_set.h"
#include "data/value.h"

namespace kinmora {

// One person's particulars as texts to show, word for word.
struct PersonParticulars {
    QString name;
    QString surname;    // Null gives ""
    QString sex;        // "ชาย" or "หญิง"
    QString born;       // dateText, or kUnknownDate
    QString died;       // dateText, kUnknownDate or ""
    QString age;        // ageText, or "" when no age is shown
    QString father;     // "name   surname", or kNoParent
    QString mother;     // as father
    QString biography;  // the biography followed by one space
};

// What a parent label shows when the parent code matches no person.
inline const QString kNoParent = QStringLiteral(" ");
// "??/??/????": what a date label shows for a date that should be known but is not.
inline const QString kUnknownDate = QStringLiteral("\?\?/\?\?/\?\?\?\?");

// "dd/mm/" and the Buddhist-era year (Gregorian + 543): 1977-03-05 gives
// "05/03/2520". The time of day plays no part.
QString dateText(JetDate d);

// "อายุ Y  ปี  D  วัน" for the real days between `born` and `end`, a year being
// 365.25 days, both numbers rounded towards minus infinity (so negative when
// `end` comes first: 15 March to 5 March gives "อายุ -1  ปี  355  วัน").
QString ageText(JetDate born, JetDate end);

// Follows the personal information window's loading steps on `persons`
// for the first person whose name equals `pickedName` (the engine's
// comparison), with `now` as the present moment for a living person's age.
// Returns nothing, and leaves the current row where it was, when no person
// has that name. Otherwise the current row is the person afterwards. A Null or
// out-of-range parent code counts as no parent, and a `born` or `die` that
// holds no date counts as unknown. Throws FamilyFileError (BadQuery) when the record set
// lacks a field.
std::optional<PersonParticulars> loadParticulars(RecordSet& persons, const QString& pickedName,
                                                 const QDateTime& now);

}  // namespace kinmora

// The particulars of one person as the personal information window shows
// them: the nine texts, worked out from the shared person record set.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "data/record_set.h"
#include "data/value.h"

namespace kinmora {

// The texts of frm_note's value labels and biography box, word for word.
struct PersonParticulars {
    QString name;       // Label10
    QString surname;    // Label11: Null gives ""
    QString sex;        // Label4: "ชาย" or "หญิง"
    QString born;       // Label12: date_text, or kUnknownDate
    QString died;       // Label17: date_text, kUnknownDate or ""
    QString age;        // Label8: age_text, or "" when no age is shown
    QString father;     // Label14: "name   surname", or kNoParent
    QString mother;     // Label15: as father
    QString biography;  // Text1: the biography followed by one space
};

// What a parent label shows when the parent code matches no person.
inline const QString kNoParent = QStringLiteral(" ");
// "??/??/????": what a date label shows for a date that should be known but is not.
inline const QString kUnknownDate = QStringLiteral("\?\?/\?\?/\?\?\?\?");

// "dd/mm/" and the Buddhist-era year (Gregorian + 543): 1977-03-05 gives
// "05/03/2520". The time of day plays no part.
QString date_text(JetDate d);

// "อายุ Y  ปี  D  วัน" for the real days between `born` and `end`, a year being
// 365.25 days, both numbers rounded towards minus infinity (so negative when
// `end` comes first: 15 March to 5 March gives "อายุ -1  ปี  355  วัน").
QString age_text(JetDate born, JetDate end);

// The born, died and age texts of a person whose fields hold `born`, `die`
// and `still`, as the particulars window writes them (`now` for a living
// person's age); a field that holds no date counts as unknown.
struct ParticularDates {
    QString born;
    QString died;
    QString age;
};
ParticularDates particular_dates(const Value& born, const Value& die, const Value& still,
                                 const QDateTime& now);

// Follows the personal information window's loading steps on `rs_family`
// for the first person whose name equals `select_name` (the engine's
// comparison), with `now` as the present moment for a living person's age.
// Returns nothing, and leaves the current row where it was, when no person
// has that name. Otherwise the current row is the person afterwards. A Null or
// out-of-range parent code counts as no parent, and a `born` or `die` that
// holds no date counts as unknown. Throws FamilyFileError (BadQuery) when the record set
// lacks a field.
std::optional<PersonParticulars> loadParticulars(RecordSet& rs_family, const QString& select_name,
                                                 const QDateTime& now);

}  // namespace kinmora

// The names of a family file's tables and of the fields the program reads,
// spelled here once for every query, reader and writer, with the fields'
// types: the reader adds the fields a file lacks, the writer types them by
// name. Files may spell every name in any letter case.
#pragma once

#include <string_view>

#include "data/column_type.h"

namespace kinmora {

namespace family_table {
inline constexpr char kPersons[] = "family";   // a row per person
inline constexpr char kCouples[] = "married";  // a row per marriage
}  // namespace family_table

// The person table's fields; the married table has the two parent codes (the
// husband's and the wife's) and a third field ordering a person's marriages.
namespace family_field {
inline constexpr char kCode[] = "code";  // the person's number, 0 for nobody
inline constexpr char kName[] = "name";
inline constexpr char kSurname[] = "surname";
inline constexpr char kSex[] = "sex";  // true for a man
inline constexpr char kBorn[] = "born";
inline constexpr char kDied[] = "die";
inline constexpr char kDeceased[] = "still";  // true once the person has died
inline constexpr char kBiography[] = "biography";
inline constexpr char kFatherCode[] = "fathercode";
inline constexpr char kMotherCode[] = "mothercode";
}  // namespace family_field

struct FamilyColumn {
    std::string_view name;  // lower case; files may spell it in any case
    ColumnType type;
};

// The person table's fields with their types.
inline constexpr FamilyColumn kFamilyColumns[] = {
    {family_field::kCode, ColumnType::Integer},
    {family_field::kName, ColumnType::Text},
    {family_field::kSurname, ColumnType::Text},
    {family_field::kSex, ColumnType::Bool},
    {family_field::kBorn, ColumnType::Date},
    {family_field::kDied, ColumnType::Date},
    {family_field::kDeceased, ColumnType::Bool},
    {family_field::kBiography, ColumnType::Memo},
    {family_field::kFatherCode, ColumnType::Integer},
    {family_field::kMotherCode, ColumnType::Integer},
};

}  // namespace kinmora

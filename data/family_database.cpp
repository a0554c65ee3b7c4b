// Opening checks everything the windows rely on before anything is handed
// over, so that a failed open leaves the caller's open file untouched.
#include "data/family_database.h"

#include <algorithm>
#include <optional>

#include "data/family_columns.h"
#include "data/family_file_error.h"
#include "data/family_queries.h"

namespace kinmora {

FamilyDatabase::FamilyDatabase(std::unique_ptr<Engine> db, RecordSet family, RecordSet married)
    : m_db(std::move(db)), m_family(std::move(family)), m_married(std::move(married)) {}

namespace {

// A file that lacks one of the fields the windows read still shows what it
// has: the missing field reads as Null (no sex reads as female, no dates as
// unknown, no parent code as no parent). A married table needs a third
// column for its order, even one of Nulls.
void addMissingFields(Engine& db) {
    for (const FamilyColumn& column : kFamilyColumns)
        db.addMissingColumn(
            QLatin1String(family_table::kPersons),
            {QString::fromLatin1(column.name.data(), static_cast<qsizetype>(column.name.size())),
             column.type});
    db.addMissingColumn(QLatin1String(family_table::kCouples),
                        {QLatin1String(family_field::kFatherCode), ColumnType::Integer});
    db.addMissingColumn(QLatin1String(family_table::kCouples),
                        {QLatin1String(family_field::kMotherCode), ColumnType::Integer});
    if (db.schema(QLatin1String(family_table::kCouples))->columns.size() < 3)
        db.addMissingColumn(QLatin1String(family_table::kCouples),
                            {QStringLiteral("sort_order"), ColumnType::Integer});
}

}  // namespace

std::unique_ptr<FamilyDatabase> FamilyDatabase::open(const QString& path,
                                                     const ReadOptions& options) {
    using Kind = FamilyFileError::Kind;
    std::unique_ptr<Engine> db = Engine::open(
        path, {QLatin1String(family_table::kPersons), QLatin1String(family_table::kCouples)},
        options);
    for (const char* table : {family_table::kPersons, family_table::kCouples})
        if (!db->schema(QLatin1String(table)))
            throw FamilyFileError(
                Kind::NotFamilyFile, path,
                QStringLiteral("is not a family file: it has no table \"%1\"").arg(table));
    const auto& columns = db->schema(QLatin1String(family_table::kPersons))->columns;
    if (std::none_of(columns.begin(), columns.end(), [](const ColumnInfo& c) {
            return c.name.compare(QLatin1String(family_field::kName), Qt::CaseInsensitive) == 0;
        }))
        throw FamilyFileError(
            Kind::NotFamilyFile, path,
            QStringLiteral("is not a family file: table \"family\" has no field \"name\""));
    std::optional<RecordSet> family;
    std::optional<RecordSet> married;
    try {
        addMissingFields(*db);
        family = db->recordSet(queries::allPersons());
        married = db->recordSet(queries::allMarriages());
    } catch (const FamilyFileError& e) {
        throw FamilyFileError(Kind::Damaged, path,
                              QStringLiteral("cannot be read: %1").arg(e.reason()));
    }
    // A family table that counts persons but holds none was cut or damaged.
    const auto& shortTables = db->shortTables();
    const auto emptied =
        std::find_if(shortTables.begin(), shortTables.end(), [](const Engine::ShortTable& t) {
            return t.table.compare(QLatin1String("family"), Qt::CaseInsensitive) == 0;
        });
    if (family->recordCount() == 0 && emptied != shortTables.end())
        throw FamilyFileError(Kind::Damaged, path,
                              QStringLiteral("is truncated or damaged: table %1 should hold %2 "
                                             "persons but holds none")
                                  .arg(emptied->table)
                                  .arg(emptied->counted));
    if (family->recordCount() == 0)
        throw FamilyFileError(Kind::NotFamilyFile, path,
                              QStringLiteral("holds no person: table \"family\" is empty"));
    family->first();
    return std::unique_ptr<FamilyDatabase>(
        new FamilyDatabase(std::move(db), std::move(*family), std::move(*married)));
}

}  // namespace kinmora

// The tables are read without the Null columns the windows add for fields a
// damaged file lacks: the CSV holds what the file holds.
#include "export/family_csv_export.h"

#include "data/family_columns.h"
#include "data/family_file_error.h"
#include "export/csv_table_writer.h"

namespace kinmora {

FamilyCsvExport::FamilyCsvExport(const QString& path, const ReadOptions& options)
    : m_engine(Engine::open(
          path, {QLatin1String(family_table::kPersons), QLatin1String(family_table::kCouples)},
          options)) {
    for (const char* table : {family_table::kPersons, family_table::kCouples})
        if (!m_engine->schema(QLatin1String(table)))
            throw FamilyFileError(
                FamilyFileError::Kind::NotFamilyFile, path,
                QStringLiteral("is not a family file: it has no table \"%1\"").arg(table));
    try {
        // Without an order the rows come as the file stores them.
        m_family = m_engine->query(QStringLiteral("Select * from family"));
        m_married = m_engine->query(QStringLiteral("Select * from married"));
    } catch (const FamilyFileError& e) {
        throw FamilyFileError(FamilyFileError::Kind::Damaged, path,
                              QStringLiteral("cannot be read: %1").arg(e.reason()));
    }
}

int FamilyCsvExport::familyRows() const {
    return m_family->rowCount();
}

int FamilyCsvExport::marriedRows() const {
    return m_married->rowCount();
}

void FamilyCsvExport::writeFamily(QIODevice& out, const ExportProgress& progress) {
    CsvTableWriter::write(*m_engine->schema(QLatin1String(family_table::kPersons)), *m_family, out,
                          progress);
}

void FamilyCsvExport::writeMarried(QIODevice& out, const ExportProgress& progress) {
    CsvTableWriter::write(*m_engine->schema(QLatin1String(family_table::kCouples)), *m_married, out,
                          progress);
}

}  // namespace kinmora

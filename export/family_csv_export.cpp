// The tables are read without the Null columns the windows add for fields a
// damaged file lacks: the CSV holds what the file holds.
#include "export/family_csv_export.h"

#include <functional>
#include <unordered_set>

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

namespace {

int columnOf(const ResultTable& table, const char* name) {
    for (int i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

Value cell(const ResultTable& table, int row, int column) {
    return column < 0 ? Value::null() : table.at(row, column);
}

// `table` with the cells `blank` names made Null, Yes/No cells kept.
std::shared_ptr<const ResultTable> blanked(const ResultTable& table,
                                           const std::function<bool(int row, int column)>& blank) {
    std::vector<Value> values;
    values.reserve(static_cast<std::size_t>(table.rowCount()) * table.columns.size());
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columns.size(); ++column) {
            const Value v = table.at(row, column);
            values.push_back(v.kind() != Value::Kind::Bool && blank(row, column) ? Value::null()
                                                                                 : v);
        }
    return std::make_shared<const ResultTable>(table.columns, values);
}

}  // namespace

void FamilyCsvExport::keepPrivate(const LivingRule& living) {
    if (living.details() == LivingDetails::Full) return;
    const ResultTable& family = *m_family;
    const int code = columnOf(family, "code"), born = columnOf(family, "born"),
              die = columnOf(family, "die"), still = columnOf(family, "still"),
              biography = columnOf(family, "biography");
    std::vector<bool> hidden;
    std::unordered_set<std::int64_t> hiddenCodes;
    for (int row = 0; row < family.rowCount(); ++row) {
        hidden.push_back(living.hides(cell(family, row, still), cell(family, row, die),
                                      cell(family, row, born)));
        const auto c = cell(family, row, code).wholeNumber(INT64_MIN, INT64_MAX);
        if (hidden.back() && c && *c != 0) hiddenCodes.insert(*c);
    }
    m_family = blanked(family, [&](int row, int column) {
        return hidden[static_cast<std::size_t>(row)] &&
               (column == born || column == die || column == biography);
    });
    const ResultTable& married = *m_married;
    const int husband = columnOf(married, "fathercode"), wife = columnOf(married, "mothercode");
    const auto hides = [&](int row, int column) {
        return hiddenCodes.contains(
            cell(married, row, column).wholeNumber(INT64_MIN, INT64_MAX).value_or(0));
    };
    m_married = blanked(married, [&](int row, int column) {
        return column != husband && column != wife && (hides(row, husband) || hides(row, wife));
    });
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

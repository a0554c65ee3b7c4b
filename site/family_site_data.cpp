// Orders are sent as ranks, not values: the scripts sort children by birth
// and marriages by their third column as the chart's queries do, and compare
// births for the kinship terms, without a living person's dates in any file.
// Ties keep the family file's row order, as the chart's queries return them.
#include "site/family_site_data.h"

#include <unordered_map>

#include "data/family_database.h"
#include "data/family_file_error.h"
#include "data/jet_date.h"
#include "data/person_particulars.h"
#include "site/json_text.h"

namespace kinmora {
namespace {

std::optional<std::int64_t> wholeNumber(const Value& v) {
    if (v.kind() == Value::Kind::Date || v.kind() == Value::Kind::Null) return std::nullopt;
    return v.wholeNumber(INT64_MIN, INT64_MAX);
}

int column(const RecordSet& persons, const char* name) {
    const int index = persons.fieldIndex(QLatin1String(name));
    if (index >= 0) return index;
    throw FamilyFileError(FamilyFileError::Kind::BadQuery,
                          QStringLiteral("no field named \"%1\"").arg(QLatin1String(name)));
}

int column(const ResultTable& table, const char* name) {
    for (int index = 0; index < table.columns.size(); ++index)
        if (table.columns[index].compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return index;
    throw FamilyFileError(FamilyFileError::Kind::BadQuery,
                          QStringLiteral("no field named \"%1\"").arg(QLatin1String(name)));
}

// For the rows of `sorted` (rowid in column `rowidColumn`, the sort key in
// `keyColumn`), each stored row's rank: equal keys share one.
std::unordered_map<std::int64_t, int> ranks(const ResultTable& sorted, int rowidColumn,
                                            int keyColumn) {
    std::unordered_map<std::int64_t, int> rank;
    int current = -1;
    Value previous;
    for (int row = 0; row < sorted.rowCount(); ++row) {
        const Value key = sorted.at(row, keyColumn);
        if (row == 0 || !(key == previous)) ++current;
        previous = key;
        rank.emplace(sorted.at(row, rowidColumn).toInteger(INT64_MIN, INT64_MAX), current);
    }
    return rank;
}

void appendKey(QByteArray& out, const char* key) {
    out.append(",\n\"").append(key).append("\":");
}

template <typename T, typename Write>
void appendArray(QByteArray& out, const std::vector<T>& values, Write write) {
    out.append('[');
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out.append(',');
        write(out, values[i]);
    }
    out.append(']');
}

void appendNumbers(QByteArray& out, const char* key,
                   const std::vector<std::optional<std::int64_t>>& values) {
    appendKey(out, key);
    appendArray(out, values, JsonText::appendNumber);
}

void appendTexts(QByteArray& out, const char* key, const std::vector<QString>& values) {
    appendKey(out, key);
    appendArray(out, values, JsonText::appendString);
}

void appendFlags(QByteArray& out, const char* key, const std::vector<bool>& values) {
    appendKey(out, key);
    out.append('"');
    for (bool v : values) out.append(v ? '1' : '0');
    out.append('"');
}

}  // namespace

FamilySiteData::FamilySiteData(FamilyDatabase& database, const LivingRule& rule,
                               const QDateTime& madeAt, const QString& sourceName) {
    // A copy walks the person record set without moving the row the windows stand on.
    RecordSet persons = database.persons();
    Engine& db = database.db();
    const auto rowids = db.query(QStringLiteral("Select rowid from family order by name"));
    const auto byBorn = db.query(QStringLiteral("Select rowid, born from family order by born"));
    const auto bornRank = ranks(*byBorn, 0, 1);
    const auto married = db.query(QStringLiteral("Select *, rowid from married order by 3"));

    const int code = column(persons, "code"), name = column(persons, "name"),
              surname = column(persons, "surname"), sex = column(persons, "sex"),
              born = column(persons, "born"), die = column(persons, "die"),
              still = column(persons, "still"), biography = column(persons, "biography"),
              father = column(persons, "fathercode"), mother = column(persons, "mothercode");

    const int count = persons.recordCount();
    std::vector<std::optional<std::int64_t>> codes, fathers, mothers, rows, bornOrder;
    std::vector<QString> names, surnames, bornTexts, diedTexts, ages;
    std::vector<bool> male, bornKnown;
    if (count > 0) persons.first();
    for (int row = 0; row < count; ++row, persons.next()) {
        const Value bornValue = persons.value(born), dieValue = persons.value(die),
                    stillValue = persons.value(still);
        const bool hidden = rule.hides(stillValue, dieValue, bornValue);
        const std::int64_t rowid = rowids->at(row, 0).toInteger(INT64_MIN, INT64_MAX);
        codes.push_back(wholeNumber(persons.value(code)));
        names.push_back(persons.value(name).toText());
        surnames.push_back(persons.value(surname).toText());
        male.push_back(persons.value(sex).isTrue());
        fathers.push_back(wholeNumber(persons.value(father)));
        mothers.push_back(wholeNumber(persons.value(mother)));
        rows.push_back(rowid);
        const auto rank = bornRank.find(rowid);
        bornOrder.push_back(rank == bornRank.end() ? 0 : rank->second);
        bornKnown.push_back(bornValue.kind() == Value::Kind::Date);
        const ParticularDates dates =
            hidden ? ParticularDates{} : particularDates(bornValue, dieValue, stillValue, madeAt);
        bornTexts.push_back(dates.born);
        diedTexts.push_back(dates.died);
        ages.push_back(dates.age);
        m_hidden.push_back(hidden);
        m_biographies.push_back(hidden ? QString() : persons.value(biography).toText());
    }

    std::vector<std::optional<std::int64_t>> husbands, wives, weddingOrder, weddingRows;
    const int husband = column(*married, "fathercode"), wife = column(*married, "mothercode");
    const int rowid = static_cast<int>(married->columns.size()) - 1;
    for (int row = 0; row < married->rowCount(); ++row) {
        husbands.push_back(wholeNumber(married->at(row, husband)));
        wives.push_back(wholeNumber(married->at(row, wife)));
        weddingRows.push_back(married->at(row, rowid).toInteger(INT64_MIN, INT64_MAX));
    }
    const auto weddingRank = ranks(*married, rowid, 2);
    for (const auto& r : weddingRows) weddingOrder.push_back(weddingRank.at(*r));

    m_family.reserve(count * 160);
    m_family.append("window.KINMORA_FAMILY = {\"source\":");
    JsonText::appendString(m_family, sourceName);
    appendKey(m_family, "made");
    JsonText::appendString(m_family, dateText(jetDateFromDateTime(madeAt)));
    appendKey(m_family, "living");
    m_family.append(rule.details() == LivingDetails::Names ? "\"names\"" : "\"full\"");
    appendKey(m_family, "notesPerFile");
    m_family.append(QByteArray::number(kNotesPerFile));
    appendNumbers(m_family, "code", codes);
    appendTexts(m_family, "name", names);
    appendTexts(m_family, "surname", surnames);
    appendFlags(m_family, "male", male);
    appendNumbers(m_family, "father", fathers);
    appendNumbers(m_family, "mother", mothers);
    appendNumbers(m_family, "row", rows);
    appendNumbers(m_family, "bornOrder", bornOrder);
    appendFlags(m_family, "bornKnown", bornKnown);
    appendFlags(m_family, "hidden", m_hidden);
    appendTexts(m_family, "born", bornTexts);
    appendTexts(m_family, "died", diedTexts);
    appendTexts(m_family, "age", ages);
    appendNumbers(m_family, "husband", husbands);
    appendNumbers(m_family, "wife", wives);
    appendNumbers(m_family, "weddingOrder", weddingOrder);
    appendNumbers(m_family, "weddingRow", weddingRows);
    m_family.append("};\n");
}

QByteArray FamilySiteData::noteScript(int file) const {
    QByteArray out = "KinmoraNotes(" + QByteArray::number(file) + ", [";
    const int first = file * kNotesPerFile;
    const int end = std::min(personCount(), first + kNotesPerFile);
    for (int p = first; p < end; ++p) {
        if (p > first) out.append(",\n");
        if (m_hidden[p])
            out.append("null");
        else
            JsonText::appendString(out, m_biographies[p]);
    }
    out.append("]);\n");
    return out;
}

}  // namespace kinmora

// Orders are sent as ranks, not values: the scripts sort children by birth
// and marriages by their third column as the chart's queries do, and compare
// births for the kinship terms, without a living person's dates in any file.
// Ties keep the family file's row order, as the chart's queries return them.
#include "site/family_site_data.h"

#include <algorithm>
#include <numeric>

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
// `keyColumn`), each stored row's rank by rowid - 1: equal keys share one.
std::vector<int> ranks(const ResultTable& sorted, int rowidColumn, int keyColumn) {
    std::vector<int> rank(static_cast<std::size_t>(sorted.rowCount()), 0);
    int current = -1;
    Value previous;
    for (int row = 0; row < sorted.rowCount(); ++row) {
        const Value key = sorted.at(row, keyColumn);
        if (row == 0 || !(key == previous)) ++current;
        previous = key;
        const auto rowid = sorted.at(row, rowidColumn).toInteger(1, sorted.rowCount());
        rank[static_cast<std::size_t>(rowid - 1)] = current;
    }
    return rank;
}

// Where ORDER BY puts a value: Nulls first, then numbers and dates (day
// numbers), then texts.
struct OrderKey {
    int group = 0;
    double number = 0;
    QString text;
    bool operator<(const OrderKey& o) const {
        if (group != o.group) return group < o.group;
        return group == 1 ? number < o.number : text < o.text;
    }
    bool operator==(const OrderKey& o) const {
        return group == o.group && number == o.number && text == o.text;
    }
};

OrderKey orderKey(const Value& v) {
    switch (v.kind()) {
        case Value::Kind::Null:
            return {};
        case Value::Kind::Date:
            return {1, v.toDate().days, {}};
        case Value::Kind::Text:
            return {2, 0, v.toText()};
        default:
            return {1, v.toReal(), {}};
    }
}

// Dense ranks of `keys`: equal keys share one.
std::vector<std::optional<std::int64_t>> denseRanks(const std::vector<OrderKey>& keys) {
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    std::vector<std::optional<std::int64_t>> rank(keys.size());
    std::int64_t current = -1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k == 0 || !(keys[order[k]] == keys[order[k - 1]])) ++current;
        rank[order[k]] = current;
    }
    return rank;
}

void appendKey(QByteArray& out, const char* key) {
    out.append(",\n\"").append(key).append("\":");
}

// One array of the data, written as its values come.
class JsonArray {
public:
    explicit JsonArray(qsizetype reserve) {
        m_text.reserve(reserve);
        m_text.append('[');
    }
    void number(std::optional<std::int64_t> n) {
        separate();
        JsonText::appendNumber(m_text, n);
    }
    void text(const QString& t) {
        separate();
        JsonText::appendString(m_text, t);
    }
    void appendTo(QByteArray& out, const char* key) {
        appendKey(out, key);
        out.append(m_text).append(']');
    }
    qsizetype size() const { return m_text.size() + 32; }

private:
    void separate() {
        if (m_text.size() > 1) m_text.append(',');
    }
    QByteArray m_text;
};

// A string of '0' and '1', one a person.
class JsonFlags {
public:
    explicit JsonFlags(qsizetype reserve) { m_text.reserve(reserve); }
    void add(bool flag) { m_text.append(flag ? '1' : '0'); }
    void appendTo(QByteArray& out, const char* key) {
        appendKey(out, key);
        out.append('"').append(m_text).append('"');
    }
    qsizetype size() const { return m_text.size() + 32; }

private:
    QByteArray m_text;
};

}  // namespace

FamilySiteData::FamilySiteData(FamilyDatabase& database, const LivingRule& rule,
                               const QDateTime& madeAt, const QString& sourceName) {
    // A copy walks the person record set without moving the row the windows stand on.
    RecordSet persons = database.persons();
    Engine& db = database.db();
    const auto rowids = db.query(QStringLiteral("Select rowid from family order by name"));
    const auto married = db.query(QStringLiteral("Select *, rowid from married order by 3"));

    const int code = column(persons, "code"), name = column(persons, "name"),
              surname = column(persons, "surname"), sex = column(persons, "sex"),
              born = column(persons, "born"), die = column(persons, "die"),
              still = column(persons, "still"), biography = column(persons, "biography"),
              father = column(persons, "fathercode"), mother = column(persons, "mothercode");

    const int count = persons.recordCount();
    const qsizetype n = count;
    JsonArray codes(n * 6), names(n * 30), surnames(n * 30), fathers(n * 6), mothers(n * 6),
        rows(n * 6), bornTexts(n * 12), diedTexts(n * 12), ages(n * 30);
    JsonFlags male(n), bornKnown(n), hiddenFlags(n);
    std::vector<OrderKey> bornKeys;
    bornKeys.reserve(static_cast<std::size_t>(count));
    QByteArray notes;
    if (count > 0) persons.first();
    for (int row = 0; row < count; ++row, persons.next()) {
        const Value bornValue = persons.value(born), dieValue = persons.value(die),
                    stillValue = persons.value(still);
        const bool hidden = rule.hides(stillValue, dieValue, bornValue);
        codes.number(wholeNumber(persons.value(code)));
        names.text(persons.value(name).toText());
        surnames.text(persons.value(surname).toText());
        male.add(persons.value(sex).isTrue());
        fathers.number(wholeNumber(persons.value(father)));
        mothers.number(wholeNumber(persons.value(mother)));
        rows.number(rowids->at(row, 0).toInteger(INT64_MIN, INT64_MAX));
        bornKeys.push_back(orderKey(bornValue));
        bornKnown.add(bornValue.kind() == Value::Kind::Date);
        hiddenFlags.add(hidden);
        const ParticularDates dates =
            hidden ? ParticularDates{} : particularDates(bornValue, dieValue, stillValue, madeAt);
        bornTexts.text(dates.born);
        diedTexts.text(dates.died);
        ages.text(dates.age);

        const int file = row / kNotesPerFile;
        if (row % kNotesPerFile == 0)
            notes = "KinmoraNotes(" + QByteArray::number(file) + ", [";
        else
            notes.append(",\n");
        if (hidden)
            notes.append("null");
        else
            JsonText::appendString(notes, persons.value(biography).toText());
        if (row % kNotesPerFile == kNotesPerFile - 1 || row == count - 1) {
            notes.append("]);\n");
            m_notes.push_back(std::move(notes));
        }
    }

    JsonArray husbands(married->rowCount() * 6), wives(married->rowCount() * 6),
        weddingOrder(married->rowCount() * 6), weddingRows(married->rowCount() * 6);
    const int husband = column(*married, "fathercode"), wife = column(*married, "mothercode");
    const int rowid = static_cast<int>(married->columns.size()) - 1;
    const std::vector<int> weddingRank = ranks(*married, rowid, 2);
    for (int row = 0; row < married->rowCount(); ++row) {
        husbands.number(wholeNumber(married->at(row, husband)));
        wives.number(wholeNumber(married->at(row, wife)));
        const std::int64_t r = married->at(row, rowid).toInteger(1, married->rowCount());
        weddingRows.number(r);
        weddingOrder.number(weddingRank[static_cast<std::size_t>(r - 1)]);
    }
    JsonArray bornOrder(n * 6);
    for (const auto rank : denseRanks(bornKeys)) bornOrder.number(rank);

    // One allocation of the whole script: it is megabytes.
    qsizetype total = 1024;
    for (const JsonArray* a :
         {&codes, &names, &surnames, &fathers, &mothers, &rows, &bornOrder, &bornTexts, &diedTexts,
          &ages, &husbands, &wives, &weddingOrder, &weddingRows})
        total += a->size();
    for (const JsonFlags* f : {&male, &bornKnown, &hiddenFlags}) total += f->size();
    m_family.reserve(total);
    m_family.append("window.KINMORA_FAMILY = {\"source\":");
    JsonText::appendString(m_family, sourceName);
    appendKey(m_family, "made");
    JsonText::appendString(m_family, dateText(jetDateFromDateTime(madeAt)));
    appendKey(m_family, "living");
    m_family.append(rule.details() == LivingDetails::Names ? "\"names\"" : "\"full\"");
    appendKey(m_family, "notesPerFile");
    m_family.append(QByteArray::number(kNotesPerFile));
    appendKey(m_family, "count");
    m_family.append(QByteArray::number(count));
    codes.appendTo(m_family, "code");
    names.appendTo(m_family, "name");
    surnames.appendTo(m_family, "surname");
    male.appendTo(m_family, "male");
    fathers.appendTo(m_family, "father");
    mothers.appendTo(m_family, "mother");
    rows.appendTo(m_family, "row");
    bornOrder.appendTo(m_family, "bornOrder");
    bornKnown.appendTo(m_family, "bornKnown");
    hiddenFlags.appendTo(m_family, "hidden");
    bornTexts.appendTo(m_family, "born");
    diedTexts.appendTo(m_family, "died");
    ages.appendTo(m_family, "age");
    husbands.appendTo(m_family, "husband");
    wives.appendTo(m_family, "wife");
    weddingOrder.appendTo(m_family, "weddingOrder");
    weddingRows.appendTo(m_family, "weddingRow");
    m_family.append("};\n");
}

}  // namespace kinmora

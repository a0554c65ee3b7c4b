// Rows that break the file's rules (a code used twice, a parent code naming
// nobody) are read as far as they make sense instead of failing the file.
#include "kinship/family_graph.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <stdexcept>

#include "data/family_queries.h"

namespace kinmora {
namespace {

std::optional<std::int64_t> wholeNumber(const Value& value) {
    if (value.isNull() || value.kind() == Value::Kind::Date) return std::nullopt;
    try {
        return value.toInteger(std::numeric_limits<std::int64_t>::min(),
                               std::numeric_limits<std::int64_t>::max());
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// Groups of persons joined by links, for "is there any chain between them".
class Groups {
public:
    explicit Groups(int size) : m_up(size) { std::iota(m_up.begin(), m_up.end(), 0); }
    int find(int p) {
        while (m_up[p] != p) p = m_up[p] = m_up[m_up[p]];
        return p;
    }
    void join(int p, int q) {
        if (p >= 0 && q >= 0) m_up[find(p)] = find(q);
    }
    std::vector<int> labels() {
        std::vector<int> result(m_up.size());
        for (std::size_t p = 0; p < m_up.size(); ++p) result[p] = find(static_cast<int>(p));
        return result;
    }

private:
    std::vector<int> m_up;
};

}  // namespace

FamilyGraph FamilyGraph::read(FamilyDatabase& database) {
    FamilyGraph graph;
    // The shared person record set already holds every person in name order;
    // a copy walks it without moving the row the windows stand on.
    RecordSet persons = database.persons();
    if (persons.recordCount() == 0) return graph;
    const int codeColumn = persons.fieldIndex(QStringLiteral("code"));
    std::unordered_map<std::int64_t, int> uses;
    std::vector<std::optional<std::int64_t>> codes;
    for (persons.first(); !persons.atEnd(); persons.next()) {
        codes.push_back(wholeNumber(persons.value(codeColumn)));
        if (codes.back()) ++uses[*codes.back()];
    }

    const int nameColumn = persons.fieldIndex(QStringLiteral("name"));
    const int surnameColumn = persons.fieldIndex(QStringLiteral("surname"));
    const int sexColumn = persons.fieldIndex(QStringLiteral("sex"));
    const int bornColumn = persons.fieldIndex(QStringLiteral("born"));
    const int fatherColumn = persons.fieldIndex(QStringLiteral("fathercode"));
    const int motherColumn = persons.fieldIndex(QStringLiteral("mothercode"));
    std::vector<std::pair<Value, Value>> parentCodes;
    persons.first();
    for (std::size_t row = 0; row < codes.size(); ++row, persons.next()) {
        if (!codes[row] || *codes[row] <= 0 || uses[*codes[row]] != 1) continue;
        PersonRow person;
        person.code = *codes[row];
        person.name = persons.value(nameColumn).toText();
        person.surname = persons.value(surnameColumn).toText();
        person.male = persons.value(sexColumn).isTrue();
        const Value& born = persons.value(bornColumn);
        if (born.kind() == Value::Kind::Date) person.born = born.toDate().days;
        graph.m_byCode.emplace(person.code, graph.size());
        graph.m_people.push_back(std::move(person));
        parentCodes.emplace_back(persons.value(fatherColumn), persons.value(motherColumn));
    }

    const auto personOf = [&graph](const Value& value) {
        const std::optional<std::int64_t> code = wholeNumber(value);
        const std::optional<Person> p = code ? graph.withCode(*code) : std::nullopt;
        return p.value_or(kNobody);
    };
    Groups birth(graph.size());
    for (Person p = 0; p < graph.size(); ++p) {
        graph.m_people[p].father = personOf(parentCodes[p].first);
        graph.m_people[p].mother = personOf(parentCodes[p].second);
        birth.join(p, graph.m_people[p].father);
        birth.join(p, graph.m_people[p].mother);
    }
    graph.m_birthGroup = birth.labels();

    const auto married =
        database.db().query(QStringLiteral("Select fathercode, mothercode from married"));
    graph.m_spouses.resize(graph.size());
    Groups any = birth;
    for (int row = 0; row < married->rowCount(); ++row) {
        const Person husband = personOf(married->at(row, 0));
        const Person wife = personOf(married->at(row, 1));
        // A row naming the same person twice makes nobody a spouse.
        if (husband == kNobody || wife == kNobody || husband == wife ||
            graph.isSpouse(husband, wife))
            continue;
        graph.m_spouses[husband].push_back(wife);
        graph.m_spouses[wife].push_back(husband);
        any.join(husband, wife);
    }
    graph.m_anyGroup = any.labels();
    return graph;
}

std::optional<FamilyGraph::Person> FamilyGraph::withCode(std::int64_t code) const {
    const auto it = m_byCode.find(code);
    if (it == m_byCode.end()) return std::nullopt;
    return it->second;
}

std::optional<FamilyGraph::Person> FamilyGraph::named(RecordSet& persons,
                                                      const QString& name) const {
    if (!persons.findFirst(criteria::nameEquals(name))) return std::nullopt;
    const std::optional<std::int64_t> code = wholeNumber(persons.field(QStringLiteral("code")));
    return code ? withCode(*code) : std::nullopt;
}

bool FamilyGraph::isSpouse(Person p, Person q) const {
    const std::vector<Person>& list = m_spouses[p];
    return std::find(list.begin(), list.end(), q) != list.end();
}

FamilyGraph::Age FamilyGraph::age(Person p, Person other) const {
    const std::optional<double>& mine = m_people[p].born;
    const std::optional<double>& theirs = m_people[other].born;
    if (!mine || !theirs || *mine == *theirs) return Age::Unknown;
    return *mine < *theirs ? Age::Older : Age::Younger;
}

}  // namespace kinmora

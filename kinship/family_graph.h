// The persons of one family file with their parents, spouses and children,
// read once so that kinship questions need no further query.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "data/family_database.h"
#include "data/record_set.h"

namespace kinmora {

class FamilyGraph {
public:
    // A person's position in the graph: 0 to size()-1, in name order.
    using Person = int;
    static constexpr Person kNobody = -1;

    // How one person's birth compares with another's.
    enum class Age { Older, Younger, Unknown };

    // Reads every row of `family` and `married` of an open family file,
    // leaving persons where it stands. A person is a row whose `code` is a
    // positive whole number no other row has; a parent or spouse code that
    // names no person is no link. Throws FamilyFileError.
    static FamilyGraph read(FamilyDatabase& database);

    int size() const { return static_cast<int>(m_people.size()); }

    // The person with `code`, or nothing.
    std::optional<Person> withCode(std::int64_t code) const;
    // The person the chart finds for `name`: the first row of `persons`
    // (name order, letter case ignored) with that name. Nothing when no row
    // has the name or that row is not a person. Moves persons's current row.
    std::optional<Person> named(RecordSet& persons, const QString& name) const;

    std::int64_t code(Person p) const { return m_people[p].code; }
    const QString& name(Person p) const { return m_people[p].name; }
    const QString& surname(Person p) const { return m_people[p].surname; }
    bool isMale(Person p) const { return m_people[p].male; }
    // kNobody when the parent is unknown or names no person.
    Person father(Person p) const { return m_people[p].father; }
    Person mother(Person p) const { return m_people[p].mother; }
    bool isParentOf(Person parent, Person child) const {
        return parent != kNobody && (father(child) == parent || mother(child) == parent);
    }
    // Each spouse once, in the order of the married table's rows.
    std::span<const Person> spouses(Person p) const { return m_spouses[p]; }
    bool isSpouse(Person p, Person q) const;

    // Whether `p` was born before (Older) or after (Younger) `other`; Unknown
    // when either birth date is unknown or both are the same moment.
    Age age(Person p, Person other) const;

    // Whether a chain of parent and child links joins p and q.
    bool joinedByBirth(Person p, Person q) const { return m_birthGroup[p] == m_birthGroup[q]; }
    // Whether a chain of parent, child and spouse links joins p and q.
    bool joinedAtAll(Person p, Person q) const { return m_anyGroup[p] == m_anyGroup[q]; }

private:
    struct PersonRow {
        std::int64_t code = 0;
        QString name;
        QString surname;
        bool male = false;
        std::optional<double> born;  // Access day number
        Person father = kNobody;
        Person mother = kNobody;
    };

    std::vector<PersonRow> m_people;
    std::unordered_map<std::int64_t, Person> m_byCode;
    std::vector<std::vector<Person>> m_spouses;
    std::vector<int> m_birthGroup;
    std::vector<int> m_anyGroup;
};

}  // namespace kinmora

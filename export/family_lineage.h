// Who belongs to which family: the couples of the married table and the
// parents of every child, gathered into families with their children.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "data/value.h"

namespace kinmora {

struct LineagePerson {
    std::optional<std::int64_t> code;  // none when the row has no whole-number code
    std::int64_t fathercode = 0;       // 0: unknown
    std::int64_t mothercode = 0;
    std::optional<JetDate> born;
};

struct LineageCouple {
    std::int64_t fathercode = 0;
    std::int64_t mothercode = 0;
};

class FamilyLineage {
public:
    struct Family {
        int husband = -1;  // a person's index, or -1
        int wife = -1;
        std::vector<int> children;  // oldest first, unknown births first, ties by code
    };

    // `persons` in name order, `couples` in the order of the married table's
    // third column. A code names the first person in name order who has it;
    // 0 and codes nobody has name nobody. Each couple naming at least one
    // person is a family, the same two persons (either way round) once; the
    // children of two parents that no couple names form a family of their
    // own, in the name order of their first child. A child whose parents are
    // both nobody belongs to no family.
    FamilyLineage(const std::vector<LineagePerson>& persons,
                  const std::vector<LineageCouple>& couples);

    const std::vector<Family>& families() const { return m_families; }
    // The family `person` is a child of, or -1.
    int childOf(int person) const { return m_childOf[static_cast<std::size_t>(person)]; }
    // The families `person` is a partner of, in the order of that person's marriages.
    const std::vector<int>& partnerIn(int person) const {
        return m_partnerIn[static_cast<std::size_t>(person)];
    }

private:
    int personOf(std::int64_t code) const;
    int familyOf(int a, int b);

    std::unordered_map<std::int64_t, int> m_byCode;
    std::unordered_map<std::uint64_t, int> m_byCouple;
    std::vector<Family> m_families;
    std::vector<int> m_childOf;
    std::vector<std::vector<int>> m_partnerIn;
};

}  // namespace kinmora

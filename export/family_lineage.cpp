// A couple is the same family whichever of its rows names the husband first,
// as the chart finds a couple's children either way round.
#include "export/family_lineage.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace kinmora {

FamilyLineage::FamilyLineage(const std::vector<LineagePerson>& persons,
                             const std::vector<LineageCouple>& couples)
    : m_childOf(persons.size(), -1), m_partnerIn(persons.size()) {
    for (std::size_t i = 0; i < persons.size(); ++i)
        if (persons[i].code && *persons[i].code != 0)
            m_byCode.emplace(*persons[i].code, static_cast<int>(i));

    for (const LineageCouple& couple : couples) {
        const int husband = personOf(couple.fathercode);
        const int wife = personOf(couple.mothercode);
        if (husband >= 0 || wife >= 0) familyOf(husband, wife);
    }
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const int father = personOf(persons[i].fathercode);
        const int mother = personOf(persons[i].mothercode);
        if (father < 0 && mother < 0) continue;
        const int family = familyOf(father, mother);
        m_families[static_cast<std::size_t>(family)].children.push_back(static_cast<int>(i));
        m_childOf[i] = family;
    }

    const auto order = [&](int person) {
        const LineagePerson& p = persons[static_cast<std::size_t>(person)];
        return std::make_tuple(p.born.has_value(), p.born.value_or(JetDate{}),
                               p.code.value_or(std::numeric_limits<std::int64_t>::max()), person);
    };
    for (std::size_t f = 0; f < m_families.size(); ++f) {
        Family& family = m_families[f];
        std::sort(family.children.begin(), family.children.end(),
                  [&](int a, int b) { return order(a) < order(b); });
        for (const int partner : {family.husband, family.wife}) {
            if (partner < 0) continue;
            std::vector<int>& in = m_partnerIn[static_cast<std::size_t>(partner)];
            if (in.empty() || in.back() != static_cast<int>(f)) in.push_back(static_cast<int>(f));
        }
    }
}

int FamilyLineage::personOf(std::int64_t code) const {
    if (code == 0) return -1;
    const auto it = m_byCode.find(code);
    return it == m_byCode.end() ? -1 : it->second;
}

int FamilyLineage::familyOf(int a, int b) {
    const auto low = static_cast<std::uint32_t>(std::min(a, b));
    const auto high = static_cast<std::uint32_t>(std::max(a, b));
    const std::uint64_t key = (std::uint64_t{low} << 32) | high;
    const auto [it, added] = m_byCouple.emplace(key, static_cast<int>(m_families.size()));
    if (added) m_families.push_back(Family{a, b, {}});
    return it->second;
}

}  // namespace kinmora

// Walks are breadth first, so each ancestor is met at its least distance even
// when a family marries within itself or a damaged file makes a loop.
#include "kinship/blood_tie.h"

#include <unordered_map>
#include <vector>

namespace kinmora {
namespace {

using Person = FamilyGraph::Person;

// Every ancestor of `start` (itself included) with its least distance.
std::unordered_map<Person, int> ancestors(const FamilyGraph& graph, Person start) {
    std::unordered_map<Person, int> distance{{start, 0}};
    std::vector<Person> level{start};
    for (int generation = 1; !level.empty(); ++generation) {
        std::vector<Person> next;
        for (Person p : level)
            for (Person parent : {graph.father(p), graph.mother(p)})
                if (parent != FamilyGraph::kNobody && distance.emplace(parent, generation).second)
                    next.push_back(parent);
        level = std::move(next);
    }
    return distance;
}

}  // namespace

std::optional<BloodTie> BloodTie::between(const FamilyGraph& graph, Person a, Person b) {
    const std::unordered_map<Person, int> fromA = ancestors(graph, a);
    const std::unordered_map<Person, int> fromB = ancestors(graph, b);
    std::optional<BloodTie> best;
    std::vector<Person> nearest;  // every common ancestor at the best distances
    for (const auto& [ancestor, down] : fromB) {
        const auto it = fromA.find(ancestor);
        if (it == fromA.end()) continue;
        const int up = it->second;
        const bool better = !best || up + down < best->up + best->down ||
                            (up + down == best->up + best->down && up < best->up);
        if (better) {
            best = BloodTie{up, down};
            nearest.clear();
        }
        if (best->up == up && best->down == down) nearest.push_back(ancestor);
    }
    if (!best || best->up == 0) return best;

    const Person father = graph.father(a);
    if (father != FamilyGraph::kNobody) {
        const std::unordered_map<Person, int> fromFather = ancestors(graph, father);
        for (Person ancestor : nearest) {
            const auto it = fromFather.find(ancestor);
            if (it != fromFather.end() && it->second == best->up - 1) {
                best->parent = father;
                best->fatherSide = true;
                return best;
            }
        }
    }
    best->parent = graph.mother(a);
    return best;
}

}  // namespace kinmora

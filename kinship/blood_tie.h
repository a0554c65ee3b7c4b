// The nearest common ancestor of two persons: how many generations each
// stands below it, and through which parent the way up leaves the first.
#pragma once

#include <optional>

#include "kinship/family_graph.h"

namespace kinmora {

struct BloodTie {
    int up = 0;    // generations from A up to the common ancestor
    int down = 0;  // generations from B up to it
    // The parent through whom A's way up leaves (kNobody when up is 0); the
    // father whenever a nearest way leaves through him.
    FamilyGraph::Person parent = FamilyGraph::kNobody;
    bool fatherSide = false;

    // The tie of `a` and `b`: among their common ancestors (each person
    // counting as their own, at 0 generations) the one with the least
    // up + down, then the least up. Nothing when they have no common ancestor.
    static std::optional<BloodTie> between(const FamilyGraph& graph, FamilyGraph::Person a,
                                           FamilyGraph::Person b);
};

}  // namespace kinmora

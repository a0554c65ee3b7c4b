// One Thai sentence saying what one person is to another, written as a Thai
// writer writes it: the words run on, with no space between them.
#pragma once

#include <QString>

#include "kinship/family_graph.h"
#include "kinship/kinship_terms.h"

namespace kinmora {

class RelationSentence {
public:
    // The graph must outlive this object.
    explicit RelationSentence(const FamilyGraph& graph) : m_graph(graph), m_terms(graph) {}

    // What `b` is to `a`, by their names: "ภูมิเป็นพ่อของกันต์";
    // "ทั้งสองคือภูมิคนเดียวกัน" when they are one person, and
    // "ภูมิไม่ได้เป็นญาติกับกันต์" when no chain of links joins them.
    QString of(FamilyGraph::Person a, FamilyGraph::Person b) const;

private:
    const FamilyGraph& m_graph;
    KinshipTerms m_terms;
};

}  // namespace kinmora

// What one person is to another in Thai kinship terms: by blood, by marriage,
// or through a longer chain, from a family graph read once per file.
#pragma once

#include <QString>

#include "kinship/blood_tie.h"
#include "kinship/family_graph.h"

namespace kinmora {

class KinshipTerms {
public:
    // The graph must outlive this object.
    explicit KinshipTerms(const FamilyGraph& graph) : m_graph(graph) {}

    // The word for what `b` is to `a` ("ลุง", "พี่สาวต่างแม่", "แม่ยาย", ...),
    // the first of: the same person, b a spouse of a, a blood relation, a
    // near relation by marriage, or any chain of links ("ญาติทางการแต่งงาน"
    // when it needs a marriage, "ญาติ" otherwise). Empty when no chain of
    // links joins them at all.
    QString term(FamilyGraph::Person a, FamilyGraph::Person b) const;

    // The blood term of `b` for `a` given their tie.
    QString bloodTerm(FamilyGraph::Person a, FamilyGraph::Person b, const BloodTie& tie) const;

private:
    using Person = FamilyGraph::Person;

    QString byMarriage(Person a, Person b) const;
    QString bloodTermOf(Person a, Person b) const;
    bool areSiblings(Person p, Person q) const;
    QString siblingTerm(Person b, Person x) const;
    QString elderOrYounger(Person b, Person parent, bool fatherSide) const;
    QString bySex(Person p, const char* male, const char* female) const;

    const FamilyGraph& m_graph;
};

}  // namespace kinmora

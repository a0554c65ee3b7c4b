// The names are the only parts that may hold spaces: a name is written as it
// is stored, and the words around it join it directly.
#include "kinship/relation_sentence.h"

namespace kinmora {

QString RelationSentence::of(FamilyGraph::Person a, FamilyGraph::Person b) const {
    if (a == b) return QStringLiteral("ทั้งสองคือ%1คนเดียวกัน").arg(m_graph.name(a));
    const QString term = m_terms.term(a, b);
    if (term.isEmpty())
        return QStringLiteral("%1ไม่ได้เป็นญาติกับ%2").arg(m_graph.name(b), m_graph.name(a));
    return QStringLiteral("%1เป็น%2ของ%3").arg(m_graph.name(b), term, m_graph.name(a));
}

}  // namespace kinmora

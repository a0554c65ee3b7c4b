// The terms say the side (father's or mother's) and who is the elder, as Thai
// does; birth order is "unknown" whenever a date is missing, and the term
// then names both possibilities ("พี่ชายหรือน้องชาย").
#include "kinship/kinship_terms.h"

#include <array>

namespace kinmora {
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

QString KinshipTerms::bySex(Person p, const char* male, const char* female) const {
    return text(m_graph.isMale(p) ? male : female);
}

QString KinshipTerms::term(Person a, Person b) const {
    if (a == b) return text("ตัวเอง");
    if (m_graph.isSpouse(a, b)) return bySex(b, "สามี", "ภรรยา");
    if (const std::optional<BloodTie> tie = BloodTie::between(m_graph, a, b))
        return bloodTerm(a, b, *tie);
    const QString inLaw = byMarriage(a, b);
    if (!inLaw.isEmpty()) return inLaw;
    if (m_graph.joinedByBirth(a, b)) return text("ญาติ");
    if (m_graph.joinedAtAll(a, b)) return text("ญาติทางการแต่งงาน");
    return {};
}

QString KinshipTerms::bloodTerm(Person a, Person b, const BloodTie& tie) const {
    const int u = tie.up;
    const int d = tie.down;
    const auto grandparent = [&] {
        return tie.fatherSide ? bySex(b, "ปู่", "ย่า") : bySex(b, "ตา", "ยาย");
    };
    if (u == 0 && d == 0) return text("ตัวเอง");
    if (d == 0) {
        switch (u) {
            case 1:
                return bySex(b, "พ่อ", "แม่");
            case 2:
                return grandparent();
            case 3:
                return text("ทวด");
            case 4:
                return text("เทียด");
        }
    }
    if (u == 0) {
        switch (d) {
            case 1:
                return bySex(b, "ลูกชาย", "ลูกสาว");
            case 2:
                return bySex(b, "หลานชาย", "หลานสาว");
            case 3:
                return text("เหลน");
            case 4:
                return text("ลื่อ");
        }
    }
    if (u == 1 && d == 1) {
        const bool sameFather =
            m_graph.father(a) != FamilyGraph::kNobody && m_graph.father(a) == m_graph.father(b);
        const bool sameMother =
            m_graph.mother(a) != FamilyGraph::kNobody && m_graph.mother(a) == m_graph.mother(b);
        QString sibling = siblingTerm(b, a);
        if (sameMother && !sameFather)
            sibling += text("ต่างพ่อ");
        else if (sameFather && !sameMother)
            sibling += text("ต่างแม่");
        return sibling;
    }
    if (u == d && u >= 2 && u <= 4) return text("ลูกพี่ลูกน้อง");
    if (u == d + 1 && d >= 1 && d <= 3) return elderOrYounger(b, tie.parent, tie.fatherSide);
    if (u == d + 2 && d >= 1 && d <= 2) return grandparent();
    if (u == 4 && d == 1) return text("ทวด");
    if (u == 1 && d == 4) return text("เหลน");
    if ((d == u + 1 && u >= 1 && u <= 3) || (d == u + 2 && u >= 1 && u <= 2))
        return bySex(b, "หลานชาย", "หลานสาว");
    return text("ญาติ");
}

QString KinshipTerms::siblingTerm(Person b, Person x) const {
    switch (m_graph.age(b, x)) {
        case FamilyGraph::Age::Older:
            return bySex(b, "พี่ชาย", "พี่สาว");
        case FamilyGraph::Age::Younger:
            return bySex(b, "น้องชาย", "น้องสาว");
        case FamilyGraph::Age::Unknown:
            break;
    }
    return bySex(b, "พี่ชายหรือน้องชาย", "พี่สาวหรือน้องสาว");
}

QString KinshipTerms::elderOrYounger(Person b, Person parent, bool fatherSide) const {
    switch (m_graph.age(b, parent)) {
        case FamilyGraph::Age::Older:
            return bySex(b, "ลุง", "ป้า");
        case FamilyGraph::Age::Younger:
            return text(fatherSide ? "อา" : "น้า");
        case FamilyGraph::Age::Unknown:
            break;
    }
    return fatherSide ? bySex(b, "ลุงหรืออา", "ป้าหรืออา") : bySex(b, "ลุงหรือน้า", "ป้าหรือน้า");
}

QString KinshipTerms::bloodTermOf(Person a, Person b) const {
    const std::optional<BloodTie> tie = BloodTie::between(m_graph, a, b);
    return tie ? bloodTerm(a, b, *tie) : QString();
}

bool KinshipTerms::areSiblings(Person p, Person q) const {
    const std::optional<BloodTie> tie = BloodTie::between(m_graph, p, q);
    return tie && tie->up == 1 && tie->down == 1;
}

QString KinshipTerms::byMarriage(Person a, Person b) const {
    const FamilyGraph& g = m_graph;
    for (Person parent : {g.father(a), g.mother(a)})
        if (parent != FamilyGraph::kNobody && g.isSpouse(parent, b) && !g.isParentOf(b, a))
            return bySex(b, "พ่อเลี้ยง", "แม่เลี้ยง");
    for (Person parent : {g.father(b), g.mother(b)})
        if (parent != FamilyGraph::kNobody && g.isSpouse(a, parent) && !g.isParentOf(a, b))
            return text("ลูกเลี้ยง");
    for (Person spouse : g.spouses(a))
        if (g.isParentOf(b, spouse))
            return g.isMale(a) ? bySex(b, "พ่อตา", "แม่ยาย") : bySex(b, "พ่อสามี", "แม่สามี");
    for (Person spouse : g.spouses(b))
        if (g.isParentOf(a, spouse)) return bySex(b, "ลูกเขย", "ลูกสะใภ้");
    for (Person spouse : g.spouses(b)) {
        if (!areSiblings(a, spouse)) continue;
        switch (g.age(spouse, a)) {
            case FamilyGraph::Age::Older:
                return bySex(b, "พี่เขย", "พี่สะใภ้");
            case FamilyGraph::Age::Younger:
                return bySex(b, "น้องเขย", "น้องสะใภ้");
            case FamilyGraph::Age::Unknown:
                return bySex(b, "พี่เขยหรือน้องเขย", "พี่สะใภ้หรือน้องสะใภ้");
        }
    }
    for (Person spouse : g.spouses(a))
        if (areSiblings(spouse, b))
            return siblingTerm(b, spouse) + text("ของ") +
                   (g.isMale(spouse) ? text("สามี") : text("ภรรยา"));
    // The spouse of an uncle or aunt takes the same word, ลุง and ป้า
    // following the spouse's own sex.
    static const std::array<std::pair<const char*, const char*>, 5> kElders = {{
        {"ลุง", "ป้า"},
        {"ลุงหรืออา", "ป้าหรืออา"},
        {"ลุงหรือน้า", "ป้าหรือน้า"},
        {"อา", "อา"},
        {"น้า", "น้า"},
    }};
    for (Person spouse : g.spouses(b)) {
        const QString elder = bloodTermOf(a, spouse);
        for (const auto& [male, female] : kElders)
            if (elder == text(male) || elder == text(female)) return bySex(b, male, female);
    }
    for (Person spouse : g.spouses(b)) {
        const std::optional<BloodTie> tie = BloodTie::between(g, a, spouse);
        if (tie && tie->up == 1 && tie->down == 2) return bySex(b, "หลานเขย", "หลานสะใภ้");
    }
    return {};
}

}  // namespace kinmora

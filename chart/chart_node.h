// One node of the family chart: its key, its label, its parent and what it
// stands for (its role, sex and the centre mark), from which views choose how
// to show it.
#pragma once

#include <QString>
#include <cstdint>

namespace kinmora {

struct ChartNode {
    // What a node stands for: only persons and spouses can be picked.
    enum class Role {
        Person,          // a person of the family line
        Spouse,          // a person married into it
        UnknownPartner,  // "?": a spouse or other parent nobody's code names
        RootUpper,       // "upper": forebears exist above the top generation
        RootNoUpper,     // "no upper": the top generation has no known forebears
    };
    // A person's sex as the family file records it; for a spouse or unknown
    // partner, the side of the marriage they stand on (a husband is male).
    enum class Sex { Female, Male };

    QString key;        // "Root", or "M" and a number
    QString text;       // a person's name, or "upper", "no upper", "?"
    QString parentKey;  // empty for the root node
    Role role = Role::Person;
    Sex sex = Sex::Female;
    // Marks a person of the family line named as the centre person is, so
    // namesakes are marked too; never set on other roles.
    bool centre = false;
    // The code of the person the node stands for (a person or a spouse), so
    // that namesakes keep their own particulars; 0 for the root, "?" nodes
    // and a spouse whose code names nobody.
    std::int64_t code = 0;

    // True for a node that stands for somebody (a person or a spouse).
    bool isPerson() const { return role == Role::Person || role == Role::Spouse; }
    bool isRoot() const { return role == Role::RootUpper || role == Role::RootNoUpper; }
    bool isMale() const { return sex == Sex::Male; }
};

}  // namespace kinmora

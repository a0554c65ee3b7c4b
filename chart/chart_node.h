// One node of the family chart: its key, its label, its image, its parent
// and what it stands for.
#pragma once

#include <QString>
#include <cstdint>

namespace kinmora {

struct ChartNode {
    // What a node stands for: only persons and spouses can be picked.
    enum class Kind {
        Person,       // a person of the family line
        Spouse,       // a person married into it
        Unknown,      // "?": a spouse or other parent nobody's code names
        RootUpper,    // "upper": forebears exist above the top generation
        RootNoUpper,  // "no upper": the top generation has no known forebears
    };

    QString key;        // "Root", or "M" and a number
    QString text;       // a person's name, or "upper", "no upper", "?"
    QString image;      // one of the eight image keys, e.g. "male", "wife"
    QString parentKey;  // empty for the root node
    Kind kind = Kind::Person;
    // The code of the person the node stands for (a person or a spouse), so
    // that namesakes keep their own particulars; 0 for the root, "?" nodes
    // and a spouse whose code names nobody.
    std::int64_t code = 0;

    // True for a node that stands for somebody (a person or a spouse).
    bool isPerson() const { return kind == Kind::Person || kind == Kind::Spouse; }
};

}  // namespace kinmora

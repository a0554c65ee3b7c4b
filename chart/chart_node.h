// One node of the family chart: its key, its label, its image and its parent.
#pragma once

#include <QString>
#include <cstdint>

namespace kinmora {

struct ChartNode {
    QString key;        // "Root", or "M" and a number
    QString text;       // a person's name, or "upper", "no upper", "?"
    QString image;      // one of the eight image keys, e.g. "male", "wife"
    QString parentKey;  // empty for the root node
    // The code of the person the node stands for (a person or a spouse), so
    // that namesakes keep their own particulars; 0 for the root, "?" nodes
    // and a spouse whose code names nobody.
    std::int64_t code = 0;
};

}  // namespace kinmora

// One node of the family chart: its key, its label, its image and its parent.
#pragma once

#include <QString>

namespace kinmora {

struct ChartNode {
    QString key;        // "Root", or "M" and a number
    QString text;       // a person's name, or "upper", "no upper", "?"
    QString image;      // one of the eight image keys, e.g. "male", "wife"
    QString parentKey;  // empty for the root node
};

}  // namespace kinmora

// The side of the family a chart follows.
#pragma once

#include <QString>

#include "data/family_columns.h"

namespace kinmora {

enum class FamilySide { Father, Mother };

// The side chosen by the selector's index: 0 is the father's side, any other
// index (1, or -1 when the user typed into the selector) the mother's side.
inline FamilySide sideFromSelectorIndex(int index) {
    return index == 0 ? FamilySide::Father : FamilySide::Mother;
}

// The field of the family table holding a person's parent on `side`.
inline QString parentCodeField(FamilySide side) {
    return side == FamilySide::Father ? QLatin1String(family_field::kFatherCode)
                                      : QLatin1String(family_field::kMotherCode);
}

}  // namespace kinmora

// The text order of a family file: Thai dictionary order, Latin letters without regard to case.
#pragma once

#include <QCollator>

namespace kinmora {

class ThaiCollation {
public:
    // A collator for Thai order without regard to letter case, for ordering
    // QStrings the way the engine orders text. Leading vowels (เ แ โ ใ ไ) do
    // not decide the order.
    static QCollator collator();
};

}  // namespace kinmora

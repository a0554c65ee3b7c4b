// Thai order comes from ICU's Thai collation (through QCollator), which
// already reorders the leading vowels the way a Thai dictionary does.
#include "data/thai_collation.h"

#include <QLocale>

namespace kinmora {

QCollator ThaiCollation::collator() {
    QCollator thai(QLocale(QLocale::Thai, QLocale::Thailand));
    thai.setCaseSensitivity(Qt::CaseInsensitive);
    return thai;
}

}  // namespace kinmora

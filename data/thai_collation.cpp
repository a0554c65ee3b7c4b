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

ThaiCollation::ThaiCollation() : m_collator(collator()) {}

int ThaiCollation::compare(std::string_view a, std::string_view b) {
    if (a == b) return 0;
    return keyOf(a).compare(keyOf(b));
}

const QCollatorSortKey& ThaiCollation::keyOf(std::string_view text) {
    auto it = m_keys.find(std::string(text));
    if (it == m_keys.end()) {
        QCollatorSortKey key =
            m_collator.sortKey(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        it = m_keys.emplace(std::string(text), std::move(key)).first;
    }
    return it->second;
}

}  // namespace kinmora

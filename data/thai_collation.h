// The text order of a family file: Thai dictionary order, Latin letters without regard to case.
#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kinmora {

class ThaiCollation {
public:
    ThaiCollation();

    // A collator for Thai order without regard to letter case, for ordering
    // QStrings the way the engine orders text.
    static QCollator collator();

    // Negative, zero or positive as `a` sorts before, with or after `b`
    // (both UTF-8). Leading vowels (เ แ โ ใ ไ) do not decide the order.
    int compare(std::string_view a, std::string_view b);

private:
    const QCollatorSortKey& keyOf(std::string_view text);

    QCollator m_collator;
    // Sorting compares each name many times; its ICU key is made once.
    std::unordered_map<std::string, QCollatorSortKey> m_keys;
};

}  // namespace kinmora

// A field that holds something other than a date counts as no date, as the
// particulars window reads it.
#include "data/living_rule.h"

#include <cmath>

#include "data/jet_date.h"

namespace kinmora {

std::optional<LivingDetails> livingDetailsNamed(const QString& word) {
    if (word == QLatin1String("names")) return LivingDetails::Names;
    if (word == QLatin1String("full")) return LivingDetails::Full;
    return std::nullopt;
}

bool LivingRule::isLiving(const Value& still, const Value& die, const Value& born) const {
    if (still.isTrue() || die.kind() == Value::Kind::Date) return false;
    if (born.kind() != Value::Kind::Date) return true;
    const QDate birthday = jetDateToDateTime(JetDate{std::floor(born.toDate().days)}).date();
    return birthday > m_today.addYears(-100);
}

}  // namespace kinmora

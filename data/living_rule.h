// Who counts as living when a family is published, and how much of the living
// a published copy may show.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "data/value.h"

namespace kinmora {

// How much a published copy shows of a living person.
enum class LivingDetails {
    Full,  // everything, as the family file holds it
    Names  // name, surname, sex and links only: no date, age or biography
};

// "names" or "full" as the --living option and the window's choice name them;
// nothing for any other word.
std::optional<LivingDetails> livingDetailsNamed(const QString& word);

class LivingRule {
public:
    // `details` applies to the persons living on `today`.
    LivingRule(LivingDetails details, QDate today) : m_details(details), m_today(today) {}

    // Living: `still` (the "has died" mark) is not Yes, `die` holds no date,
    // and `born` holds no date or one less than 100 years before today.
    bool isLiving(const Value& still, const Value& die, const Value& born) const;
    // Whether this person's dates, age and biography must be left out.
    bool hides(const Value& still, const Value& die, const Value& born) const {
        return m_details == LivingDetails::Names && isLiving(still, die, born);
    }
    LivingDetails details() const { return m_details; }
    QDate today() const { return m_today; }

private:
    LivingDetails m_details;
    QDate m_today;
};

}  // namespace kinmora

// Conversions between the Access day number and calendar dates.
#pragma once

#include <QDateTime>

#include "data/value.h"

namespace kinmora {

// The date and time of a JetDate as a QDateTime in UTC (no time zone applies
// to a stored date: it is the wall-clock moment as written).
QDateTime jetDateToDateTime(JetDate d);

// The JetDate of a wall-clock moment; the time zone of `dt` is ignored.
JetDate jetDateFromDateTime(const QDateTime& dt);

}  // namespace kinmora

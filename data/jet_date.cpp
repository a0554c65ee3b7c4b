// Access counts dates in days from 1899-12-30; the program keeps that count
// as a linear number of days so that earlier moments always compare smaller.
#include "data/jet_date.h"

#include <cmath>

namespace kinmora {
namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMsecsPerDay = 86400000.0;

}  // namespace

QDateTime jetDateToDateTime(JetDate d) {
    const double whole = std::floor(d.days);
    const qint64 msecs = std::llround((d.days - whole) * kMsecsPerDay);
    QDateTime start(kEpoch.addDays(static_cast<qint64>(whole)), QTime(0, 0), Qt::UTC);
    return start.addMSecs(msecs);
}

JetDate jetDateFromDateTime(const QDateTime& dt) {
    const qint64 wholeDays = kEpoch.daysTo(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / kMsecsPerDay;
    return JetDate{static_cast<double>(wholeDays) + fraction};
}

}  // namespace kinmora

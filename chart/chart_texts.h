// The texts the chart writes into the status bar while and after it is built.
#pragma once

#include <QString>
#include <cstdint>

namespace kinmora::chart_texts {

// "  โปรดรอสักครู่ ...": the build has started.
QString starting();
// The progress text after each node: the centre name and the nodes so far.
QString progress(const QString& centerName, std::int64_t count);
// "  รวมทั้งสิ้น <count>  รายชื่อ": the build is finished.
QString total(std::int64_t count);

}  // namespace kinmora::chart_texts

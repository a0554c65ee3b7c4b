// A stale count lets `done` pass `expected`: the percentage stops at 99
// until the read ends.
#include "app/job_read_progress.h"

#include <algorithm>

#include "app/background_job.h"

namespace kinmora {

JobReadProgress::JobReadProgress(JobControl& control) : m_control(control) {
    m_control.report(QStringLiteral("กำลังอ่าน ..."));
}

void JobReadProgress::progress(const QString& table, std::uint64_t done, std::uint64_t expected) {
    const int percent =
        expected == 0 ? 0 : static_cast<int>(std::min<std::uint64_t>(99, done * 100 / expected));
    m_control.report(QStringLiteral("กำลังอ่าน %1 ... %2%").arg(table).arg(percent));
}

bool JobReadProgress::cancelled() const {
    return m_control.cancelled();
}

}  // namespace kinmora

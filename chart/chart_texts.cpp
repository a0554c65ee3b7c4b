// Every space in these texts is part of what the user sees.
#include "chart/chart_texts.h"

namespace kinmora::chart_texts {

QString starting() {
    return QStringLiteral("  โปรดรอสักครู่ ...");
}

QString progress(const QString& centerName, std::int64_t count) {
    return QStringLiteral(" โปรดรอสักครู่   สร้างผังจาก < ") + centerName + QStringLiteral(" > แล้ว ") +
           QString::number(count) + QStringLiteral("  รายชื่อ");
}

QString total(std::int64_t count) {
    return QStringLiteral("  รวมทั้งสิ้น ") + QString::number(count) + QStringLiteral("  รายชื่อ");
}

}  // namespace kinmora::chart_texts

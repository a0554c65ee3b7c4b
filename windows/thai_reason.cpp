// The reasons are told apart by how the reader words them; the most
// particular wording is tried first.
#include "windows/thai_reason.h"

#include <QStringList>
#include <utility>

namespace kinmora {

QString thaiReason(const QString& reason) {
    static const std::pair<const char*, const char*> kThai[] = {
        {"is empty", "แฟ้มนี้ว่างเปล่า"},
        {"cannot be opened: No such file", "ไม่พบแฟ้มนี้"},
        {"cannot be opened: Permission denied", "ไม่มีสิทธิ์อ่านแฟ้มนี้"},
        {"is not a regular file", "ไม่ใช่แฟ้มข้อมูล (อาจเป็นโฟลเดอร์หรืออุปกรณ์)"},
        {"is too large", "แฟ้มใหญ่เกินกว่าแฟ้มฐานข้อมูล Access ใด ๆ"},
        {"is not an Access database", "ไม่ใช่แฟ้มฐานข้อมูล Access"},
        {"cannot be opened as an Access database", "ไม่ใช่แฟ้มฐานข้อมูล Access"},
        {"is an Access database of an unknown version", "เป็นแฟ้ม Access รุ่นที่อ่านไม่ได้"},
        {"is protected by a password", "แฟ้มนี้มีรหัสผ่าน จึงอ่านไม่ได้"},
        {"is damaged: reading it took longer", "แฟ้มเสียหาย: อ่านนานเกินกว่าแฟ้มข้อมูลใด ๆ"},
        {"is damaged: reading it stopped making progress", "แฟ้มเสียหาย: การอ่านหยุดค้าง"},
        {"is damaged", "แฟ้มเสียหาย"},
        {"is truncated or damaged", "แฟ้มขาดหายหรือเสียหาย"},
        {"is not a family file", "ไม่ใช่แฟ้มข้อมูลครอบครัว"},
        {"holds no person", "แฟ้มนี้ไม่มีรายชื่อผู้ใดเลย"},
        {"cannot be read in code page", "อ่านแฟ้มนี้ด้วยรหัสอักษรที่เลือกไม่ได้"},
        {"cannot be opened", "เปิดแฟ้มนี้ไม่ได้"},
    };
    QString thai = QStringLiteral("อ่านแฟ้มนี้ไม่ได้");
    for (const auto& [english, sentence] : kThai)
        if (reason.startsWith(QLatin1String(english))) {
            thai = QString::fromUtf8(sentence);
            break;
        }
    return thai + QStringLiteral("\n\n") + reason;
}

QString thaiDamageWarning(const QStringList& damage) {
    return QStringLiteral("แฟ้มเสียหายบางส่วน แสดงเท่าที่อ่านได้: ") + damage.join(QStringLiteral("; "));
}

}  // namespace kinmora

// The kind of error says what went wrong; within a kind, the reason's
// wording tells the few cases a user acts on differently.
#include "windows/thai_reason.h"

namespace kinmora {
namespace {

const char* thaiSentence(const FamilyFileError& error) {
    using Kind = FamilyFileError::Kind;
    const QString& reason = error.reason();
    const auto says = [&](const char* words) { return reason.contains(QLatin1String(words)); };
    switch (error.kind()) {
        case Kind::NotFound:
            return says("Permission denied") ? "ไม่มีสิทธิ์อ่านแฟ้มนี้" : "ไม่พบแฟ้มนี้";
        case Kind::NotRegularFile:
            return "ไม่ใช่แฟ้มข้อมูล (อาจเป็นโฟลเดอร์หรืออุปกรณ์)";
        case Kind::Empty:
            return "แฟ้มนี้ว่างเปล่า";
        case Kind::NotAccess:
            return says("too large") ? "แฟ้มใหญ่เกินกว่าแฟ้มฐานข้อมูล Access ใด ๆ"
                                     : "ไม่ใช่แฟ้มฐานข้อมูล Access";
        case Kind::UnknownVersion:
            return "เป็นแฟ้ม Access รุ่นที่อ่านไม่ได้";
        case Kind::Encrypted:
            return "แฟ้มนี้มีรหัสผ่านและเข้ารหัสไว้ทั้งแฟ้ม จึงอ่านไม่ได้";
        case Kind::PasswordNeeded:
            return "แฟ้มนี้มีรหัสผ่าน ต้องใส่รหัสผ่านจึงจะเปิดได้";
        case Kind::PasswordWrong:
            return "รหัสผ่านไม่ถูกต้อง";
        case Kind::Damaged:
            return says("truncated") ? "แฟ้มขาดหายหรือเสียหาย" : "แฟ้มเสียหาย";
        case Kind::NotFamilyFile:
            return says("holds no person") ? "แฟ้มนี้ไม่มีรายชื่อผู้ใดเลย" : "ไม่ใช่แฟ้มข้อมูลครอบครัว";
        case Kind::ReaderStopped:
            if (says("took longer")) return "แฟ้มเสียหาย: อ่านนานเกินกว่าแฟ้มข้อมูลใด ๆ";
            if (says("stopped making progress")) return "แฟ้มเสียหาย: การอ่านหยุดค้าง";
            if (says("reader program")) return "ติดตั้ง Kinmora ไม่ครบ: ไม่พบโปรแกรมอ่านแฟ้ม";
            return "แฟ้มเสียหาย";
        case Kind::BadQuery:
            return says("code page") ? "อ่านแฟ้มนี้ด้วยรหัสอักษรที่เลือกไม่ได้" : "อ่านแฟ้มนี้ไม่ได้";
    }
    return "อ่านแฟ้มนี้ไม่ได้";
}

}  // namespace

QString thaiReason(const FamilyFileError& error) {
    return QString::fromUtf8(thaiSentence(error));
}

QString thaiDamageWarning(const std::vector<Engine::ShortTable>& shortTables) {
    QStringList details;
    for (const Engine::ShortTable& t : shortTables)
        details
            << (t.held == 0
                    ? QStringLiteral("ตาราง %1 ควรมี %2 แถว แต่ไม่มีเลย").arg(t.table).arg(t.counted)
                    : QStringLiteral("ตาราง %1 ควรมี %2 แถว แต่อ่านได้เพียง %3 แถว")
                          .arg(t.table)
                          .arg(t.counted)
                          .arg(t.held));
    return QStringLiteral("แฟ้มเสียหายบางส่วน แสดงเท่าที่อ่านได้: ") + details.join(QStringLiteral("; "));
}

}  // namespace kinmora

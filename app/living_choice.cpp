// One question with two answers and a way out, in words a relative reads.
#include "app/living_choice.h"

#include <QMessageBox>
#include <QPushButton>

#include "windows/program.h"

namespace kinmora {

std::optional<LivingDetails> askLivingDetails(QWidget* parent, const QString& copy,
                                              LivingDetails proposed) {
    QMessageBox box(QMessageBox::Question, program::title(),
                    QStringLiteral("ใส่ข้อมูลของผู้ที่ยังมีชีวิตอยู่ใน%1อย่างไร").arg(copy),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("livingChoice"));
    box.setInformativeText(
        QStringLiteral("ผู้ที่ยังมีชีวิตอยู่ คือผู้ที่ไม่ได้ระบุว่าถึงแก่กรรม ไม่มีวันถึงแก่กรรม และเกิดไม่ถึง 100 ปี "
                       "(หรือไม่ทราบวันเกิด) \"เฉพาะชื่อ\" จะไม่ใส่วันเกิด อายุ ประวัติ และวันแต่งงานของท่าน"));
    QPushButton* names = box.addButton(QStringLiteral("เฉพาะชื่อ"), QMessageBox::AcceptRole);
    names->setObjectName(QStringLiteral("livingNames"));
    QPushButton* full = box.addButton(QStringLiteral("ใส่ทั้งหมด"), QMessageBox::AcceptRole);
    full->setObjectName(QStringLiteral("livingFull"));
    box.addButton(QStringLiteral("ยกเลิก"), QMessageBox::RejectRole);
    box.setDefaultButton(proposed == LivingDetails::Names ? names : full);
    box.exec();
    if (box.clickedButton() == names) return LivingDetails::Names;
    if (box.clickedButton() == full) return LivingDetails::Full;
    return std::nullopt;
}

}  // namespace kinmora

// A family file's error carries a kind the user can act on; the Thai
// sentence for it comes first, the reader's own words after.
#include "windows/failure_message.h"

#include <QMessageBox>

#include "data/family_file_error.h"
#include "windows/program.h"
#include "windows/thai_reason.h"

namespace kinmora {

void showFailure(QWidget* parent, const QString& what, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, program::title(), what, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

QString reasonOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const FamilyFileError& error) {
        return thaiReason(error);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("เกิดข้อผิดพลาดที่ไม่รู้จัก");
    }
}

}  // namespace kinmora

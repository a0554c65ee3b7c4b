// The detail goes behind a button rather than under the reason: a reader who
// does not read English sees only Thai, and the detail stays at hand for a
// report.
#include "windows/failure_message.h"

#include <QDir>

#include "data/family_file_error.h"
#include "windows/program.h"
#include "windows/thai_reason.h"
#include "windows/titled_message_box.h"

namespace kinmora {

FailureMessage& FailureMessage::file(const QString& path) {
    m_file = QDir::toNativeSeparators(path);
    return *this;
}

FailureMessage& FailureMessage::detail(const QString& text) {
    m_detail = text;
    return *this;
}

void FailureMessage::exec(QWidget* parent, const QString& title) const {
    TitledMessageBox box(QMessageBox::Warning, title, m_what, QMessageBox::Ok, parent);
    QString informative = m_why;
    if (!m_file.isEmpty())
        informative += (informative.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                       QStringLiteral("แฟ้ม: ") + m_file;
    box.setInformativeText(informative);
    if (!m_detail.isEmpty() && m_detail != m_why) box.setDetailedText(m_detail);
    box.exec();
}

void showFailure(QWidget* parent, const QString& what, std::exception_ptr failure,
                 const QString& path) {
    QString why;
    QString detail;
    try {
        std::rethrow_exception(failure);
    } catch (const FamilyFileError& error) {
        why = thaiReason(error);
        detail = error.reason();
    } catch (const std::exception& error) {
        detail = QString::fromUtf8(error.what());
    } catch (...) {
    }
    FailureMessage message(what, why);
    if (!path.isEmpty()) message.file(path);
    message.detail(detail).exec(parent, program::title());
}

}  // namespace kinmora

// QInputDialog with the password echo mode: the field shows dots, and
// nothing typed is kept once the dialog closes.
#include "windows/password_prompt.h"

#include <QInputDialog>
#include <QLineEdit>

namespace kinmora {

std::optional<QString> PasswordPrompt::ask(QWidget* parent, const QString& fileName,
                                           bool wrongBefore) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("ใส่รหัสผ่าน"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setLabelText(
        (wrongBefore ? QStringLiteral("รหัสผ่านไม่ถูกต้อง กรุณาลองใหม่อีกครั้ง\n\n") : QString()) +
        QStringLiteral("แฟ้ม %1 มีรหัสผ่าน\nใส่รหัสผ่านเพื่อเปิดแฟ้ม:").arg(fileName));
    dialog.setOkButtonText(QStringLiteral("เปิดแฟ้ม"));
    dialog.setCancelButtonText(QStringLiteral("ยกเลิก"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace kinmora

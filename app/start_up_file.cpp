// The open window itself does the opening, unseen, so that a file named at
// start-up and a file picked by the user go the same way.
#include "app/start_up_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/module1.h"
#include "windows/main_window.h"
#include "windows/open_form.h"

namespace kinmora {

bool openStartUpFile(MainWindow& main, const QString& path) {
    const QFileInfo file(path);
    QString reason;
    if (!file.isFile()) {
        reason = QStringLiteral("ไม่พบแฟ้มนี้");
    } else {
        open_form form(main);
        if (form.setFolder(file.absolutePath())) {
            form.selectFile(file.fileName());
            if (form.selectedFile() == file.fileName()) return form.ok();
        }
        reason = QStringLiteral("แฟ้มข้อมูลต้องเป็นแฟ้ม .MDB ที่อ่านได้");
    }
    QMessageBox box(QMessageBox::Warning, Module1::instance().prog_title,
                    QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: %1").arg(file.fileName()), QMessageBox::Ok,
                    main.widget());
    box.setInformativeText(QDir::toNativeSeparators(file.absoluteFilePath()) +
                           QStringLiteral("\n\n") + reason);
    box.exec();
    return false;
}

}  // namespace kinmora

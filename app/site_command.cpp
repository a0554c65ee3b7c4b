// The user picks where the site goes; it is written into a folder there
// named after the family file, made new or replacing the site written there
// before. The living are kept private unless the user says otherwise.
#include "app/site_command.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/living_choice.h"
#include "app/main_window.h"
#include "data/family_database.h"
#include "site/family_site_data.h"
#include "site/family_site_writer.h"

namespace kinmora {

SiteCommand::SiteCommand(MainWindow& window)
    : ExportCommand(window, QStringLiteral("saveSite"), QStringLiteral("สร้างเว็บไซต์ครอบครัว…")) {
    action()->setToolTip(
        QStringLiteral("สร้างเว็บไซต์ของครอบครัวในโฟลเดอร์ ให้ญาติเปิดดูบนโทรศัพท์ได้โดยไม่ต้องใช้อินเทอร์เน็ต"));
}

void SiteCommand::run() {
    const QString site = proposedPath(QStringLiteral("-เว็บไซต์"));
    const QString where = QFileDialog::getExistingDirectory(
        &m_window,
        QStringLiteral("เลือกที่เก็บเว็บไซต์ครอบครัว (สร้างโฟลเดอร์ %1 ในนั้น)")
            .arg(QFileInfo(site).fileName()),
        QFileInfo(site).absolutePath());
    if (where.isEmpty()) return;
    const QString dir = QDir(where).filePath(QFileInfo(site).fileName());
    if (const auto living =
            askLivingDetails(&m_window, QStringLiteral("เว็บไซต์"), LivingDetails::Names))
        saveTo(dir, *living);
}

void SiteCommand::saveTo(const QString& dir, LivingDetails living) {
    start(
        QStringLiteral("กำลังสร้างเว็บไซต์ครอบครัว…"),
        QStringLiteral("สร้างเว็บไซต์ครอบครัวแล้ว เปิดแฟ้ม index.html ในโฟลเดอร์นี้"),
        {QDir(dir).filePath(QStringLiteral("index.html"))},
        [dir, living](const QString& source, const ReadOptions& options, const Progress& progress) {
            std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(source, options);
            const QDateTime now = QDateTime::currentDateTime();
            const FamilySiteData data(*database, LivingRule(living, now.date()), now,
                                      QFileInfo(source).fileName());
            FamilySiteWriter::write(dir, data, progress);
        });
}

}  // namespace kinmora

// Linux has no drive letters: The drive list lists mounted file systems and the folder list is a
// small folder tree from "/" down to the folder and its sub-folders; a double
// click or Enter on a folder goes there. Positions are the classic layout in twips.
#include "windows/open_family_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "windows/program.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

OpenFamilyDialog::OpenFamilyDialog(QWidget* parent)
    : CommandDialog(parent, QStringLiteral("OpenFamilyDialog"), QStringLiteral("Open"), 5430,
                    3450) {
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("driveList"));
    twips::place(m_drives, 120, 240, 2655, 330);
    for (const QString& root : drives())
        m_drives->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);

    m_folders = new QTreeWidget(this);
    m_folders->setObjectName(QStringLiteral("folderTree"));
    m_folders->setHeaderHidden(true);
    m_folders->setRootIsDecorated(false);
    m_folders->setIndentation(twips::toPixelsX(150));
    m_folders->setItemsExpandable(false);
    // Every level is always open, as in a folder list box: no expand arrows.
    m_folders->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; }"));
    m_folders->setExpandsOnDoubleClick(false);
    m_folders->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_folders->header()->setStretchLastSection(false);
    twips::place(m_folders, 120, 720, 2655, 2010);

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("fileList"));
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    twips::place(m_files, 3000, 720, 2295, 1650);

    m_ok = addButton(QStringLiteral("okButton"), QStringLiteral("OK"), 3240, 2760, 855, 375);
    m_cancel =
        addButton(QStringLiteral("cancelButton"), QStringLiteral("Cancel"), 4200, 2760, 855, 375);

    connect(m_drives, &QComboBox::activated, this,
            [this](int index) { setDrive(m_drives->itemData(index).toString()); });
    connect(m_folders, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { enterFolderItem(item); });
    connect(m_ok, &QPushButton::clicked, this, &OpenFamilyDialog::ok);
    connect(m_cancel, &QPushButton::clicked, this, &OpenFamilyDialog::cancel);

    // The lists start on the program's own folder.
    if (!setFolder(QCoreApplication::applicationDirPath())) setFolder(QDir::rootPath());
    tool_window::centreOnScreen(this, parent);
}

QString OpenFamilyDialog::filePath(const QString& folder, const QString& file) {
    return folder.endsWith(QLatin1Char('/')) ? folder + file : folder + QLatin1Char('/') + file;
}

QStringList OpenFamilyDialog::drives() const {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    roots.removeAll(QDir::rootPath());
    std::sort(roots.begin(), roots.end());
    roots.prepend(QDir::rootPath());
    return roots;
}

QString OpenFamilyDialog::drive() const {
    return m_drives->currentData().toString();
}

void OpenFamilyDialog::setDrive(const QString& rootPath) {
    if (!setFolder(rootPath))
        showDriveOf(m_folder);  // an unreadable drive leaves the lists where they were
}

bool OpenFamilyDialog::setFolder(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable()) return false;
    m_folder = QDir::cleanPath(info.absoluteFilePath());

    m_folders->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from "/" down to the folder, each an open folder inside the last.
    QStringList chain;
    for (QDir dir(m_folder);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    QTreeWidgetItem* parent = nullptr;
    for (const QString& folderPath : chain) {
        const QString label =
            QDir(folderPath).isRoot() ? folderPath : QFileInfo(folderPath).fileName();
        auto* item =
            parent ? new QTreeWidgetItem(parent, {label}) : new QTreeWidgetItem(m_folders, {label});
        item->setIcon(0, open);
        item->setData(0, kPathRole, folderPath);
        parent = item;
    }
    const QStringList children =
        QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QTreeWidgetItem(parent, {child});
        item->setIcon(0, closed);
        item->setData(0, kPathRole, filePath(m_folder, child));
    }
    m_folders->expandAll();
    m_folders->setCurrentItem(parent);
    m_folders->scrollToTop();
    m_folders->scrollToItem(parent, QAbstractItemView::EnsureVisible);

    showDriveOf(m_folder);
    refreshFiles();
    return true;
}

QStringList OpenFamilyDialog::subfolders() const {
    return QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                    QDir::Name | QDir::IgnoreCase);
}

QStringList OpenFamilyDialog::files() const {
    QStringList names;
    for (int i = 0; i < m_files->count(); ++i) names.append(m_files->item(i)->text());
    return names;
}

QString OpenFamilyDialog::selectedFile() const {
    const QList<QListWidgetItem*> selected = m_files->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void OpenFamilyDialog::selectFile(const QString& name) {
    m_files->clearSelection();
    const QList<QListWidgetItem*> found = m_files->findItems(name, Qt::MatchExactly);
    if (!name.isEmpty() && !found.isEmpty()) m_files->setCurrentItem(found.first());
}

void OpenFamilyDialog::ok() {
    const QString file = selectedFile();
    if (file.isEmpty()) {
        done(QDialog::Rejected);
        QMessageBox box(QMessageBox::NoIcon, program::title(), QStringLiteral("No file select"),
                        QMessageBox::Ok, parentWidget());
        box.exec();
        return;
    }
    m_chosenPath = filePath(m_folder, file);
    done(QDialog::Accepted);
}

void OpenFamilyDialog::cancel() {
    done(QDialog::Rejected);
}

void OpenFamilyDialog::enterFolderItem(QTreeWidgetItem* item) {
    if (item) setFolder(item->data(0, kPathRole).toString());
}

void OpenFamilyDialog::showDriveOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    int index = m_drives->findData(root);
    if (index < 0 && !root.isEmpty()) {
        m_drives->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
        index = m_drives->count() - 1;
    }
    const QSignalBlocker blocker(m_drives);
    m_drives->setCurrentIndex(index);
}

bool OpenFamilyDialog::isFamilyFileName(const QString& name) {
    return name.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".accdb"), Qt::CaseInsensitive);
}

void OpenFamilyDialog::refreshFiles() {
    m_files->clear();
    const QStringList entries =
        QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : entries)
        if (isFamilyFileName(name)) m_files->addItem(name);
}

}  // namespace kinmora

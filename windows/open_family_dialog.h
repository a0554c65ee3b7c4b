// The open window: the user picks a family file among the *.MDB files of a
// folder, and OK opens it, names it in the caption and draws its first person.
#pragma once

#include <QStringList>

#include "windows/command_dialog.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kinmora {

class OpenFamilyDialog : public CommandDialog {
    Q_OBJECT

public:
    // The three lists stand on the program's own folder.
    explicit OpenFamilyDialog(QWidget* parent);

    // The full path of `file` in `folder`: one "/" between them, none added
    // when the folder already ends in one (the root).
    static QString filePath(const QString& folder, const QString& file);
    // Whether `name` names a family file: an Access file, .mdb or .accdb in
    // any letter case.
    static bool isFamilyFileName(const QString& name);
    // The drive list: the root paths of the mounted file systems, "/" first.
    QStringList drives() const;
    QString drive() const;
    // Choosing a drive: the folder list moves to that file system's root.
    void setDrive(const QString& rootPath);

    // the folder list: the folder whose files are listed, as a clean absolute path.
    QString folder() const { return m_folder; }
    // Choosing a folder: lists `path` and its sub-folders, and its family files in
    // the file list (no file selected). Returns false, changing nothing, when `path`
    // is not a readable folder.
    bool setFolder(const QString& path);
    // The sub-folders the folder list offers to go down into, by name.
    QStringList subfolders() const;

    // the file list: the names of the folder's files ending in .MDB in any letter case.
    QStringList files() const;
    // The selected file's name without its folder; "" when none is selected.
    QString selectedFile() const;
    // Selects the file of that name in the file list; "" or an unknown name selects none.
    void selectFile(const QString& name);

    // OK. With a file selected: keeps its path (see chosenPath) and closes,
    // accepted. With no file selected: closes, then says "No file select".
    void ok();
    // Cancel: closes, changing nothing.
    void cancel();
    // The full path of the file chosen with OK; "" before.
    const QString& chosenPath() const { return m_chosenPath; }

private:
    void enterFolderItem(QTreeWidgetItem* item);
    void showDriveOf(const QString& path);
    void refreshFiles();

    QString m_folder;
    QString m_chosenPath;
    QComboBox* m_drives = nullptr;     // The drive list
    QTreeWidget* m_folders = nullptr;  // the folder list
    QListWidget* m_files = nullptr;    // the file list
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace kinmora

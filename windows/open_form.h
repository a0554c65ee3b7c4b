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

class MainWindow;

class open_form : public CommandDialog {
    Q_OBJECT

public:
    // The three lists stand on the program's own folder.
    explicit open_form(MainWindow& main);

    // What the toolbar's open command calls: shows the window modally over
    // the main window; OK does the rest. Returns when the window has closed.
    static void showModal(MainWindow& main);

    // The full path of `file` in `folder`: one "/" between them, none added
    // when the folder already ends in one (the root).
    static QString filePath(const QString& folder, const QString& file);
    // Drive1: the root paths of the mounted file systems, "/" first.
    QStringList drives() const;
    QString drive() const;
    // Drive1 Change: the folder list moves to that file system's root.
    void setDrive(const QString& rootPath);

    // Dir1: the folder whose files are listed, as a clean absolute path.
    QString folder() const { return m_folder; }
    // Dir1 Change: lists `path` and its sub-folders, and its *.MDB files in
    // File1 (no file selected). Returns false, changing nothing, when `path`
    // is not a readable folder.
    bool setFolder(const QString& path);
    // The sub-folders Dir1 offers to go down into, by name.
    QStringList subfolders() const;

    // File1: the names of the folder's files ending in .MDB in any letter case.
    QStringList files() const;
    // The selected file's name without its folder; "" when none is selected.
    QString selectedFile() const;
    // Selects the file of that name in File1; "" or an unknown name selects none.
    void selectFile(const QString& name);

    // Command1 (OK). With a file selected: has the main window open it
    // (MainWindow::openFile) and closes when that worked; when it failed the
    // window stays open. With no file selected: closes, then says
    // "No file select". Returns true when a file was opened.
    bool ok();
    // Command2 (Cancel): closes, changing nothing; while the chosen file is
    // read, stops the read instead and stays.
    void cancel();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enterFolderItem(QTreeWidgetItem* item);
    void showDriveOf(const QString& path);
    void refreshFiles();

    QString m_folder;
    QComboBox* m_drives = nullptr;     // Drive1
    QTreeWidget* m_folders = nullptr;  // Dir1
    QListWidget* m_files = nullptr;    // File1
    QPushButton* m_ok = nullptr;       // Command1
    QPushButton* m_cancel = nullptr;   // Command2
};

}  // namespace kinmora

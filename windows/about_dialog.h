// The About window: the program's title and version, who designed it and how
// to reach them.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kinmora {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // Load: the caption "About Kinmora", the title and "Version 1.0.0".
    explicit AboutDialog(QWidget* parent = nullptr);

    // What the toolbar's about command calls: shows the window modally over `parent`.
    static void showModal(QWidget* parent);

    // "Version major.minor.revision" of the program's version, from
    // QCoreApplication::applicationVersion(), or the build's version when unset.
    static QString versionText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_ok = nullptr;  // the OK button
};

}  // namespace kinmora

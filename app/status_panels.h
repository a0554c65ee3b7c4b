// The status bar: the main window's status bar with its two panels, the chart's
// messages in panel 1 and the fixed era text in panel 2.
#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

namespace kinmora {

class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    // Panel 1 reads "ไม่มีข้อมูล" and panel 2 "พุทธศักราช 2544".
    explicit StatusPanels(QWidget* parent = nullptr);

    // Replaces the text of panel `index` (1 or 2); other indexes change nothing.
    void setPanelText(int index, const QString& text);
    // The text of panel `index`; empty outside 1 and 2.
    QString panelText(int index) const;

private:
    QLabel* panel(int index) const;

    QLabel* m_first;
    QLabel* m_second;
};

}  // namespace kinmora

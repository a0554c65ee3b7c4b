// The main window: the toolbar, the family-side selector, the family chart
// and the status bar; what the chart builder draws on and the dialogs call.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <memory>
#include <optional>

#include "app/repaint_throttle.h"
#include "chart/chart_view.h"
#include "chart/family_side.h"
#include "data/family_database.h"
#include "data/read_options.h"
#include "windows/chart_window.h"

class QPushButton;
class QShortcut;
class QTreeWidgetItem;

namespace kinmora {

class ChartTreeWidget;
class CommandToolBar;
class SideSelector;
class StatusPanels;

class MainWindow : public QMainWindow, public ChartView, public ChartWindow {
    Q_OBJECT

public:
    // Opens with caption and title "Kinmora", the side selector on the father's
    // side, an empty chart, "open", "about" and "exit" enabled, the client
    // area at its designed size centred on the screen.
    explicit MainWindow(QWidget* parent = nullptr);

    // Rebuilds the chart around the first person named `centreName`, on the
    // side the side selector shows. Shows "NOT FOUND" and keeps the chart when nobody has
    // that name; shows a failing build's error, keeping the nodes added so far.
    // Never throws; the busy cursor is off afterwards.
    void showChart(const QString& centreName) override;
    // Opens the family file at `path`, as the open window's OK, a file named
    // at start-up and any later way of opening do: the file is read first;
    // only when that worked does it become the open file, its name the
    // caption ("Kinmora [name]"), "Search" and "exit" enabled and the chart
    // drawn around its first person in name order. A file with a database
    // password asks for it (again while the one given is wrong; Esc gives
    // up). A missing file, one not named *.mdb or *.accdb, or one that
    // cannot be read gives a message box naming it and the reason, and
    // changes nothing. Returns whether it was opened.
    bool openFile(const QString& path) override;
    QString title() const override;
    void setBusyCursor(bool busy) override { setBusy(busy); }
    QWidget* widget() override { return this; }
    // While a file is read: every toolbar entry disabled, the progress in
    // panel 1, a cancel button (and Esc) in the status bar; afterwards the
    // entries and panel 1 as they were.
    void beginReading() override;
    void showReading(const QString& text) override;
    void endReading() override;
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // Enables or disables toolbar entry `index` (see CommandToolBar's entries).
    void setToolbarButtonEnabled(int index, bool enabled);

    // The caption for an open file: the title, " [", the file name less its
    // extension (".mdb", ".accdb"), "]".
    static QString fileCaption(const QString& progTitle, const QString& fileName);

    // The chart drawn into the chart tree and panel 1 of the status bar.
    void clearNodes() override;
    void addNode(const ChartNode& node) override;
    void makeVisible(const QString& key) override;
    void setStatusText(const QString& text) override;
    void setBusy(bool busy) override;

    // ButtonClick of the toolbar: runs the command keyed exactly `key` ("open",
    // "Search", "refresh", "note", "about" or "exit"); other keys do nothing.
    void toolbarButtonClick(const QString& key);

    // The centre name and side of the chart shown; nothing before the first
    // chart and after a build that failed midway.
    struct ShownChart {
        QString centre;
        FamilySide side;
    };
    const std::optional<ShownChart>& shownChart() const { return m_shownChart; }

    CommandToolBar* toolBar() const { return m_toolbar; }
    SideSelector* sideSelector() const { return m_selector; }
    ChartTreeWidget* chartTree() const { return m_tree; }
    StatusPanels* statusPanels() const { return m_status; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads the family file at `path` on another thread with the busy
    // cursor shown; throws what BackgroundOpen::run throws.
    std::unique_ptr<FamilyDatabase> readFamily(const QString& path, const ReadOptions& options);
    void createToolBar();
    void createStatusBar();
    void createChartArea();
    void applyLayoutRule();
    void frameMayHaveChanged();

    void searchCommand();
    void refreshCommand();
    void noteCommand();

    void nodeClick(QTreeWidgetItem* node);
    void treeMouseDown(Qt::MouseButton button);
    QTreeWidgetItem* selectedNode() const;
    void showNotFound();
    void showOpenFailure(const QString& path, const QString& reason);
    void showNote(const QString& name);
    void showError(const QString& what, const std::exception& error);

    CommandToolBar* m_toolbar = nullptr;
    SideSelector* m_selector = nullptr;
    ChartTreeWidget* m_tree = nullptr;
    StatusPanels* m_status = nullptr;
    RepaintThrottle m_statusRepaint;
    std::optional<ShownChart> m_shownChart;
    QMargins m_frame;  // the window manager's frame as last laid out for
    QPushButton* m_cancelReading = nullptr;
    QShortcut* m_escape = nullptr;
    std::vector<bool> m_enabledBeforeReading;
    QString m_statusBeforeReading;
};

}  // namespace kinmora

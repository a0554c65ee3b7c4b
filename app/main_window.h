// The main window: the toolbar of commands, the side selector, the family
// chart and the status bar, over the family session it owns.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/family_side.h"

class QTreeWidgetItem;

namespace kinmora {

class ChartTree;
class ChartTreeWidget;
class Command;
class CommandToolBar;
class FamilyDatabase;
class FamilySession;
class JobRunner;
class ParticularsCommand;
class SideSelector;
class StatusPanels;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens with the caption "Kinmora", the selector on the father's side,
    // an empty chart, "open", "about" and "exit" enabled, the client area at
    // its designed size centred on the screen.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's design in twips: the client area it opens with, the
    // smallest outer size a drag can make, and what the chart leaves of the
    // outer size.
    struct Design {
        static constexpr double kClientWidth = 12900;
        static constexpr double kClientHeight = 9135;
        static constexpr double kMinimumWidth = 5100;
        static constexpr double kMinimumHeight = 3200;
        static constexpr double kChartWidthLoss = 125;
        static constexpr double kChartHeightLoss = 2250;
    };

    FamilySession& session() const { return *m_session; }
    JobRunner& jobs() const { return *m_jobs; }

    // Reads the family file at `path` off the user-interface thread. Only
    // when that worked does it become the open file, its name the caption
    // ("Kinmora [name]"), and the chart drawn around its first person in name
    // order. A file with a database password asks for it, again while the one
    // given is wrong; Esc gives up. A missing file, one not named *.mdb or
    // *.accdb, or one that cannot be read gives a message naming it and the
    // reason and changes nothing; then `failed`, when given, runs. Returns false, starting nothing,
    // while other work runs. openFinished() tells the end.
    bool openFile(const QString& path, std::function<void()> failed = {});
    // The reader program files are read with; empty for the one installed
    // beside the program.
    void setReaderProgram(const QString& program) { m_readerProgram = program; }
    // Reads the open file again with `codePage` (0 follows the file) and
    // shows how its first names read so (`choice` naming it); when the user
    // agrees, it replaces the open file, the choice is remembered for the
    // file, and its first person is charted.
    bool readAgain(int codePage, const QString& choice);
    // Builds the chart around the first person named `centreName` on the
    // side the selector shows, off the user-interface thread, then shows it.
    // Shows "NOT FOUND" and keeps the chart when nobody has that name; shows
    // a failing build's error with the nodes added so far. Returns false,
    // starting nothing, while other work runs. chartFinished() tells the end.
    bool showChart(const QString& centreName);

    // The centre name and side of the chart shown; nothing before the first
    // chart and after a build that failed midway.
    struct ShownChart {
        QString centre;
        FamilySide side;
    };
    const std::optional<ShownChart>& shownChart() const { return m_shownChart; }

    // Picking a person's node in the chart offers "refresh" and "note";
    // picking a marker node takes both back, and a search takes back "refresh".
    bool refreshOffered() const { return m_refreshOffered; }
    bool noteOffered() const { return m_noteOffered; }
    void withdrawRefresh();
    // The text of the chart's selected node; nothing when none is selected.
    std::optional<QString> selectedName() const;

    // Whether work runs beside the window, or its result is being shown:
    // no command can start meanwhile.
    bool isWorking() const;
    // Sets every command's enabled state from the session and the window.
    void updateActions();
    // The busy (hourglass) cursor over the window, or the default one.
    void setBusy(bool busy);
    // Replaces the text of panel 1 of the status bar.
    void setStatusText(const QString& text);
    // The plain "NOT FOUND" message.
    void showNotFound();

    CommandToolBar* toolBar() const { return m_toolBar; }
    SideSelector* sideSelector() const { return m_selector; }
    ChartTreeWidget* chartTree() const { return m_tree; }
    StatusPanels* statusPanels() const { return m_status; }
    // The command whose action is named `key`, or null.
    Command* command(const QString& key) const;

    // The caption for an open file: the title, " [", the file name less its
    // extension (".mdb", ".accdb"), "]".
    static QString fileCaption(const QString& title, const QString& fileName);

signals:
    // A read started by openFile() or readAgain() ended; `opened` says
    // whether the file read is now the open one.
    void openFinished(bool opened);
    // A build started by showChart() ended, however it ended.
    void chartFinished();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct ChartBuild;
    // Handed the file read and the password it was read with; says whether
    // the file became the open one.
    using Opened = std::function<bool(std::unique_ptr<FamilyDatabase>, const QString&)>;

    void createActions();
    void createToolBar();
    void createChartArea();
    void createStatusBar();
    void applyLayoutRule();
    void frameMayHaveChanged();

    bool read(const QString& path, int codePage, const QString& password, const QString& failedText,
              Opened opened, std::function<void()> failed);
    void useFile(std::unique_ptr<FamilyDatabase> database, const QString& password,
                 const QString& caption);
    void chartBuilt(const ChartBuild& build, bool cancelled, std::exception_ptr failure);
    void nodePicked(QTreeWidgetItem* node);
    void treeMouseDown(Qt::MouseButton button);

    FamilySession* m_session = nullptr;
    JobRunner* m_jobs = nullptr;
    CommandToolBar* m_toolBar = nullptr;
    SideSelector* m_selector = nullptr;
    ChartTreeWidget* m_tree = nullptr;
    StatusPanels* m_status = nullptr;
    // The toolbar's commands in their places (null for a separator), then
    // those of the "เพิ่มเติม" menu.
    std::vector<Command*> m_toolBarCommands;
    std::vector<Command*> m_moreCommands;
    ParticularsCommand* m_particulars = nullptr;
    std::optional<ShownChart> m_shownChart;
    bool m_refreshOffered = false;
    bool m_noteOffered = false;
    QString m_readerProgram;
    QString m_afterChart;  // panel 1's text once the next chart is shown
    QMargins m_frame;      // the window manager's frame as last laid out for
};

}  // namespace kinmora

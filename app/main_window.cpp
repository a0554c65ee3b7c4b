// Sizes are the window's designed twips. Long work (reading a file, building
// a chart) runs as a job beside the window, which keeps answering; while it
// runs the commands are off and the status bar shows its progress.
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/about_command.h"
#include "app/background_chart_view.h"
#include "app/background_job.h"
#include "app/chart_tree_widget.h"
#include "app/code_page_command.h"
#include "app/command.h"
#include "app/command_tool_bar.h"
#include "app/csv_command.h"
#include "app/exit_command.h"
#include "app/family_session.h"
#include "app/gedcom_command.h"
#include "app/job_read_progress.h"
#include "app/job_runner.h"
#include "app/open_command.h"
#include "app/particulars_command.h"
#include "app/preview_command.h"
#include "app/print_command.h"
#include "app/refresh_command.h"
#include "app/relation_command.h"
#include "app/save_picture_command.h"
#include "app/search_command.h"
#include "app/side_selector.h"
#include "app/site_command.h"
#include "app/status_panels.h"
#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_columns.h"
#include "data/family_database.h"
#include "data/family_file_error.h"
#include "windows/code_page_preview.h"
#include "windows/code_page_setting.h"
#include "windows/failure_message.h"
#include "windows/open_family_dialog.h"
#include "windows/password_prompt.h"
#include "windows/program.h"
#include "windows/screen_fit.h"
#include "windows/thai_font.h"
#include "windows/thai_reason.h"
#include "windows/titled_message_box.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

constexpr double kClientWidth = MainWindow::Design::kClientWidth;
constexpr double kClientHeight = MainWindow::Design::kClientHeight;
constexpr double kMinimumWidth = MainWindow::Design::kMinimumWidth;
constexpr double kMinimumHeight = MainWindow::Design::kMinimumHeight;
constexpr double kTreeTop = 1440;
constexpr double kTreeWidthLoss = MainWindow::Design::kChartWidthLoss;
constexpr double kTreeHeightLoss = MainWindow::Design::kChartHeightLoss;

// How many names a code page's preview judges the reading by.
constexpr int kPreviewSample = 200;

// The names and surnames of the first `count` persons in name order.
QStringList firstNames(FamilyDatabase& database, int count) {
    QStringList names;
    RecordSet& persons = database.persons();
    for (persons.first(); !persons.atEnd() && names.size() < count; persons.next())
        names << (persons.field(QLatin1String(family_field::kName)).toText() + QLatin1Char(' ') +
                  persons.field(QLatin1String(family_field::kSurname)).toText())
                     .trimmed();
    return names;
}

// Whether `failure` is a password refused: nothing when it is another
// failure, else whether a password was given and it was wrong.
std::optional<bool> passwordRefused(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const FamilyFileError& error) {
        if (error.kind() == FamilyFileError::Kind::PasswordNeeded) return false;
        if (error.kind() == FamilyFileError::Kind::PasswordWrong) return true;
    } catch (...) {
    }
    return std::nullopt;
}

}  // namespace

// What a chart job hands back to the window.
struct MainWindow::ChartBuild {
    QString centre;
    FamilySide side;
    std::shared_ptr<ChartTree> tree = std::make_shared<ChartTree>();
    std::vector<ChartTree::Row> rows;  // the tree's, in display order, once built
    ChartBuilder::Outcome outcome = ChartBuilder::Outcome::NotFound;
};

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(program::title());
    setFont(thaiFont(9.75));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    // The style's pale disabled text vanishes on this grey; mid-grey still reads.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        grey.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
    setPalette(grey);
    // The toolbar is part of the design: no menu offers to hide it.
    setContextMenuPolicy(Qt::NoContextMenu);

    m_session = new FamilySession(this);
    createActions();
    createToolBar();
    createChartArea();
    createStatusBar();
    connect(m_session, &FamilySession::fileChanged, this, &MainWindow::updateActions);
    updateActions();

    // The frame is not known yet; the real one is counted once it is
    // (frameMayHaveChanged).
    setGeometry(screen_fit::fitted(twips::toPixels(kClientWidth, kClientHeight),
                                   twips::toPixels(kMinimumWidth, kMinimumHeight),
                                   screen_fit::likelyFrameOf(this),
                                   screen_fit::availableArea(nullptr)));
}

MainWindow::~MainWindow() = default;

// Every command the window offers. A new command is a class of its own and
// one line here: on the toolbar (nullptr for a separator) or in "เพิ่มเติม".
void MainWindow::createActions() {
    m_particulars = new ParticularsCommand(*this);
    m_toolBarCommands = {
        new OpenCommand(*this), nullptr, new SearchCommand(*this), new RefreshCommand(*this),
        m_particulars,          nullptr, new AboutCommand(*this),  new ExitCommand(*this),
    };
    m_moreCommands = {
        new RelationCommand(*this),
        nullptr,
        new GedcomCommand(*this),
        new CsvCommand(*this),
        new SiteCommand(*this),
        nullptr,
        new PrintCommand(*this),
        new PreviewCommand(*this),
        new SavePictureCommand(*this),
        nullptr,
        new CodePageCommand(*this, 0, QStringLiteral("อัตโนมัติ (รู้จักภาษาไทยเอง)")),
        new CodePageCommand(*this, 874, QStringLiteral("อ่านเป็นภาษาไทย (874)")),
        new CodePageCommand(*this, 1252, QStringLiteral("อ่านเป็นภาษายุโรปตะวันตก (1252)")),
    };
}

void MainWindow::createToolBar() {
    m_toolBar = new CommandToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    for (Command* command : m_toolBarCommands)
        command ? m_toolBar->addCommand(command->action()) : m_toolBar->addSeparator();
    for (Command* command : m_moreCommands) {
        if (command)
            m_toolBar->moreMenu()->addAction(command->action());
        else
            m_toolBar->moreMenu()->addSeparator();
    }
}

void MainWindow::createChartArea() {
    auto* area = new QWidget(this);
    setCentralWidget(area);
    // The design places controls from the top of the window; the area begins
    // below the toolbar.
    const int below = m_toolBar->height();
    m_selector = new SideSelector(area);
    m_selector->setGeometry(twips::toPixels(120, 960, 2175, 360).translated(0, -below));
    m_tree = new ChartTreeWidget(area);
    m_tree->move(0, twips::toPixelsY(kTreeTop) - below);

    connect(m_tree, &QTreeWidget::itemClicked, this, &MainWindow::nodePicked);
    // Picking a node with the keys counts as a click. Focus coming into the
    // tree (Tab, or the window active again after a dialog) only makes a
    // node current, unpicked, and losing the chart picks nothing: neither
    // changes "refresh" and "note".
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> picked = m_tree->selectedItems();
        if (!picked.isEmpty()) nodePicked(picked.first());
    });
    connect(m_tree, &ChartTreeWidget::mouseDown, this, &MainWindow::treeMouseDown);
}

void MainWindow::createStatusBar() {
    m_status = new StatusPanels(this);
    setStatusBar(m_status);
    m_jobs = new JobRunner(*m_status, *this);
    connect(m_jobs, &JobRunner::busyChanged, this, &MainWindow::updateActions);
}

Command* MainWindow::command(const QString& key) const {
    for (const auto* list : {&m_toolBarCommands, &m_moreCommands})
        for (Command* c : *list)
            if (c && c->action()->objectName() == key) return c;
    return nullptr;
}

void MainWindow::updateActions() {
    const bool idle = !isWorking();
    for (const auto* list : {&m_toolBarCommands, &m_moreCommands})
        for (Command* c : *list)
            if (c) c->action()->setEnabled(idle && c->isAvailable());
    m_toolBar->setMoreEnabled(idle);
}

bool MainWindow::isWorking() const {
    return m_jobs->isBusy() || m_tree->isFilling();
}

void MainWindow::withdrawRefresh() {
    m_refreshOffered = false;
    updateActions();
}

std::optional<QString> MainWindow::selectedName() const {
    const QList<QTreeWidgetItem*> picked = m_tree->selectedItems();
    if (picked.isEmpty()) return std::nullopt;
    return picked.first()->text(0);
}

void MainWindow::nodePicked(QTreeWidgetItem* node) {
    const bool person = ChartTreeWidget::isPerson(node);
    m_refreshOffered = person;
    m_noteOffered = person;
    updateActions();
}

void MainWindow::treeMouseDown(Qt::MouseButton button) {
    if (button != Qt::RightButton || !m_refreshOffered || isWorking()) return;
    // A rebuild leaves "refresh" offered but nothing selected: nobody to show.
    const std::optional<QString> name = selectedName();
    if (!name) return;
    setBusy(true);
    m_particulars->showFor(*name);
}

void MainWindow::applyLayoutRule() {
    if (isMinimized()) return;
    // The rule is about the outer size, frame included, as the window
    // manager reports it; the minimum makes a drag stop at 5100 x 3200.
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(twips::toPixels(kMinimumWidth, kMinimumHeight) - frame);
    const QRect outer = frameGeometry();
    m_tree->resize(twips::toPixelsX(twips::fromPixelsX(outer.width()) - kTreeWidthLoss),
                   twips::toPixelsY(twips::fromPixelsY(outer.height()) - kTreeHeightLoss));
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::WindowActivate)
        frameMayHaveChanged();
    return handled;
}

// Under a window manager the first layout runs before the frame exists, and
// the frame comes without a resize: the rule, which counts the outer size,
// and the fit on the screen run again once it is known.
void MainWindow::frameMayHaveChanged() {
    const QMargins frame = screen_fit::frameOf(this);
    if (frame == m_frame || !isVisible()) return;
    const bool first = m_frame.isNull();
    m_frame = frame;
    const QRect area = screen_fit::availableArea(this);
    // The first real frame places the window afresh, centred as at start;
    // later only a window the frame pushed off the screen is moved.
    if (windowState() == Qt::WindowNoState && (first || !area.contains(frameGeometry())))
        setGeometry(
            screen_fit::fitted(first ? twips::toPixels(kClientWidth, kClientHeight) : size(),
                               minimumSize(), frame, area));
    applyLayoutRule();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayoutRule();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A restore need not resize the window, yet the rule applies again.
    if (event->type() == QEvent::WindowStateChange) applyLayoutRule();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Work still running is stopped; once the main window closes nothing
    // holds the family file open, and the program ends whatever other
    // window is still open.
    m_jobs->stop();
    m_session->close();
    QCoreApplication::quit();
    event->accept();
}

bool MainWindow::openFile(const QString& path, std::function<void()> failed) {
    const QFileInfo file(path);
    const QString fullPath = QDir::cleanPath(file.absoluteFilePath());
    const auto refuse = [&](const QString& reason) {
        FailureMessage(QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: %1").arg(file.fileName()), reason)
            .file(fullPath)
            .exec(this, program::title());
        if (failed) failed();
        emit openFinished(false);
        return true;
    };
    if (isWorking()) return false;
    if (!file.isFile()) return refuse(QStringLiteral("ไม่พบแฟ้มนี้"));
    if (!OpenFamilyDialog::isFamilyFileName(file.fileName()))
        return refuse(QStringLiteral("แฟ้มข้อมูลต้องเป็นแฟ้ม .mdb หรือ .accdb ที่อ่านได้"));
    const QString caption = fileCaption(program::title(), file.fileName());
    return read(
        fullPath, code_page_setting::remembered(fullPath), QString(),
        QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: %1").arg(file.fileName()),
        [this, caption](std::unique_ptr<FamilyDatabase> database, const QString& password) {
            useFile(std::move(database), password, caption);
            return true;
        },
        std::move(failed));
}

bool MainWindow::readAgain(int codePage, const QString& choice) {
    if (!m_session->isOpen()) return false;
    const QString path = m_session->filePath();
    const QString caption = windowTitle();
    return read(path, codePage, m_session->password(), QStringLiteral("อ่านแฟ้มข้อมูลใหม่ไม่ได้"),
                [this, path, codePage, caption, choice](std::unique_ptr<FamilyDatabase> database,
                                                        const QString& password) {
                    if (!CodePagePreview::confirm(this, choice, firstNames(*database, 5),
                                                  firstNames(*database, kPreviewSample)))
                        return false;
                    code_page_setting::remember(path, codePage);
                    useFile(std::move(database), password, caption);
                    return true;
                },
                {});
}

// Read before anything changes: a file that cannot be read, or whose
// reading or password prompt is cancelled, leaves the open file, the chart,
// the caption and the commands as they were.
bool MainWindow::read(const QString& path, int codePage, const QString& password,
                      const QString& failedText, Opened opened, std::function<void()> failed) {
    if (isWorking()) return false;
    auto database = std::make_shared<std::unique_ptr<FamilyDatabase>>();
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    const bool started = m_jobs->run(
        [path, codePage, password, reader = m_readerProgram, database](JobControl& control) {
            JobReadProgress progress(control);
            ReadOptions options;
            options.codePage = codePage;
            options.password = password;
            options.readerProgram = reader;
            options.progress = &progress;
            *database = FamilyDatabase::open(path, options);
        },
        [this, path, codePage, password, database, failedText, opened = std::move(opened),
         failed = std::move(failed)](BackgroundJob& job) mutable {
            QGuiApplication::restoreOverrideCursor();
            if (job.failure() && !job.wasCancelled()) {
                // A file with a database password asks for it, and again
                // while the one given is wrong; Esc gives up quietly.
                if (const std::optional<bool> wrong = passwordRefused(job.failure())) {
                    QWidget* parent = QApplication::activeModalWidget();
                    const std::optional<QString> given = PasswordPrompt::ask(
                        parent ? parent : this, QFileInfo(path).fileName(), *wrong);
                    if (given && read(path, codePage, *given, failedText, std::move(opened),
                                      std::move(failed)))
                        return;
                    emit openFinished(false);
                    return;
                }
                showFailure(this, failedText, job.failure(), path);
                if (failed) failed();
            }
            const bool done =
                *database != nullptr && !job.failure() && opened(std::move(*database), password);
            emit openFinished(done);
        });
    if (!started) QGuiApplication::restoreOverrideCursor();
    return started;
}

void MainWindow::useFile(std::unique_ptr<FamilyDatabase> database, const QString& password,
                         const QString& caption) {
    RecordSet& persons = database->persons();
    persons.first();
    const QString firstName = persons.field(QLatin1String(family_field::kName)).toText();
    const std::vector<Engine::ShortTable> shortTables = database->shortTables();
    m_session->setDatabase(std::move(database));
    m_session->setPassword(password);
    setWindowTitle(caption);
    // A file that opened with damage says so where the chart's count stands.
    m_afterChart = shortTables.empty() ? QString() : thaiDamageWarning(shortTables);
    showChart(firstName);
}

QString MainWindow::fileCaption(const QString& title, const QString& fileName) {
    return title + QStringLiteral(" [") + QFileInfo(fileName).completeBaseName() + QLatin1Char(']');
}

bool MainWindow::showChart(const QString& centreName) {
    if (!m_session->isOpen() || isWorking()) return false;
    auto build = std::make_shared<ChartBuild>();
    build->centre = centreName;
    build->side = sideFromSelectorIndex(m_selector->currentIndex());
    FamilyDatabase* database = &m_session->database();
    setBusy(true);
    return m_jobs->run(
        [build, database](JobControl& control) {
            BackgroundChartView view(*build->tree, control);
            build->outcome = ChartBuilder(*database, view).build(build->centre, build->side);
            build->rows = build->tree->rows();
        },
        [this, build](BackgroundJob& job) {
            chartBuilt(*build, job.wasCancelled(), job.failure());
        });
}

void MainWindow::chartBuilt(const ChartBuild& build, bool cancelled, std::exception_ptr failure) {
    const QString afterChart = std::exchange(m_afterChart, QString());
    const auto done = [this] {
        setBusy(false);
        updateActions();
        emit chartFinished();
    };
    if (cancelled) {
        // The chart shown stays as it was.
    } else if (failure) {
        // The nodes added before the failure are shown with it.
        m_tree->fill(build.tree, build.tree->rows(), {});
        setStatusText(build.tree->statusText());
        m_shownChart.reset();
        setBusy(false);
        showFailure(this, QStringLiteral("สร้างผังของ \"%1\" ไม่ได้").arg(build.centre), failure,
                    m_session->filePath());
    } else if (build.outcome == ChartBuilder::Outcome::NotFound) {
        showNotFound();
    } else {
        const QString status = afterChart.isEmpty() ? build.tree->statusText() : afterChart;
        const ShownChart shown{build.centre, build.side};
        m_tree->fill(build.tree, build.rows, [this, status, shown, done] {
            setStatusText(status);
            m_shownChart = shown;
            done();
        });
        updateActions();
        return;
    }
    done();
}

void MainWindow::setStatusText(const QString& text) {
    m_status->setPanelText(1, text);
}

void MainWindow::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::showNotFound() {
    TitledMessageBox box(QMessageBox::NoIcon, program::title(), QStringLiteral("NOT FOUND"),
                         QMessageBox::Ok, this);
    box.exec();
}

}  // namespace kinmora

// Sizes are the window's designed twips. A chart is built without returning
// to the event loop, so the busy cursor and panel 1 are the only signs of
// life meanwhile, and the status bar is repainted by hand a few times a second.
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "app/chart_tree_widget.h"
#include "app/code_page_command.h"
#include "app/command_tool_bar.h"
#include "app/export_commands.h"
#include "app/family_session.h"
#include "app/picture_commands.h"
#include "app/relation_command.h"
#include "app/side_selector.h"
#include "app/status_panels.h"
#include "chart/chart_builder.h"
#include "chart/family_side.h"
#include "data/family_database.h"
#include "data/family_file_error.h"
#include "data/name_search.h"
#include "windows/about_dialog.h"
#include "windows/background_open.h"
#include "windows/code_page_setting.h"
#include "windows/open_family_dialog.h"
#include "windows/particulars_dialog.h"
#include "windows/password_prompt.h"
#include "windows/screen_fit.h"
#include "windows/search_results_dialog.h"
#include "windows/thai_font.h"
#include "windows/thai_reason.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

constexpr double kClientWidth = 12900;
constexpr double kClientHeight = 9135;
constexpr double kMinimumWidth = 5100;
constexpr double kMinimumHeight = 3200;
constexpr double kTreeTop = 1440;
constexpr double kTreeWidthLoss = 125;
constexpr double kTreeHeightLoss = 2250;
constexpr std::chrono::milliseconds kStatusRepaintInterval(150);

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_statusRepaint(kStatusRepaintInterval) {
    setObjectName(QStringLiteral("MainWindow"));
    FamilySession& state = FamilySession::instance();
    state.title = QStringLiteral("Kinmora");
    setCaption(state.title);
    setFont(thaiFont(9.75));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    // The style's pale disabled text vanishes on this grey; mid-grey still reads.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        grey.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
    setPalette(grey);
    // The toolbar is part of the design: no menu offers to hide it.
    setContextMenuPolicy(Qt::NoContextMenu);

    createToolBar();
    createChartArea();
    createStatusBar();
    new RelationCommand(*this);
    new ExportCommands(m_toolbar->moreMenu(), this);
    new PictureCommands(*this);
    new CodePageCommand(*this);

    // The frame is not known yet; the real one is counted once it is
    // (frameMayHaveChanged).
    setGeometry(screen_fit::fitted(twips::toPixels(kClientWidth, kClientHeight),
                                   twips::toPixels(kMinimumWidth, kMinimumHeight),
                                   screen_fit::likelyFrameOf(this),
                                   screen_fit::availableArea(nullptr)));
}

void MainWindow::createToolBar() {
    m_toolbar = new CommandToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    connect(m_toolbar, &CommandToolBar::buttonClick, this, &MainWindow::toolbarButtonClick);
}

void MainWindow::createStatusBar() {
    m_status = new StatusPanels(this);
    setStatusBar(m_status);
    m_cancelReading = new QPushButton(QStringLiteral("ยกเลิก"), m_status);
    m_cancelReading->setObjectName(QStringLiteral("cancelReading"));
    m_cancelReading->setFocusPolicy(Qt::NoFocus);
    m_status->addPermanentWidget(m_cancelReading);
    m_cancelReading->hide();
    connect(m_cancelReading, &QPushButton::clicked, this, [] { BackgroundOpen::cancel(); });
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, [] { BackgroundOpen::cancel(); });
}

void MainWindow::beginReading() {
    m_enabledBeforeReading.clear();
    for (int i = 1; i <= CommandToolBar::kMoreEntry; ++i) {
        m_enabledBeforeReading.push_back(m_toolbar->isButtonEnabled(i));
        m_toolbar->setButtonEnabled(i, false);
    }
    m_statusBeforeReading = m_status->panelText(1);
    m_cancelReading->show();
    m_escape->setEnabled(true);
}

void MainWindow::showReading(const QString& text) {
    m_status->setPanelText(1, text);
}

void MainWindow::endReading() {
    for (int i = 1; i <= static_cast<int>(m_enabledBeforeReading.size()); ++i)
        m_toolbar->setButtonEnabled(i, m_enabledBeforeReading[static_cast<std::size_t>(i - 1)]);
    m_status->setPanelText(1, m_statusBeforeReading);
    m_cancelReading->hide();
    m_escape->setEnabled(false);
}

void MainWindow::createChartArea() {
    auto* area = new QWidget(this);
    setCentralWidget(area);
    // The design places controls from the top of the window; the area begins
    // below the toolbar.
    const int below = m_toolbar->height();
    m_selector = new SideSelector(area);
    m_selector->setGeometry(twips::toPixels(120, 960, 2175, 360).translated(0, -below));
    m_tree = new ChartTreeWidget(area);
    m_tree->move(0, twips::toPixelsY(kTreeTop) - below);

    connect(m_tree, &QTreeWidget::itemClicked, this, &MainWindow::nodeClick);
    // Picking a node with the keys counts as a click. Focus coming into the
    // tree (Tab, or the window active again after a dialog) only makes a
    // node current, unpicked, and losing the chart picks nothing: neither
    // changes "refresh" and "note".
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* node = selectedNode()) nodeClick(node);
    });
    connect(m_tree, &ChartTreeWidget::mouseDown, this, &MainWindow::treeMouseDown);
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
    // Once the main window closes, nothing holds the family file open,
    // and the program ends whatever other window is still open.
    FamilySession::instance().close();
    QCoreApplication::quit();
    event->accept();
}

void MainWindow::showChart(const QString& centreName) {
    setBusy(true);
    bool found = false;
    const FamilySide side = sideFromSelectorIndex(m_selector->currentIndex());
    try {
        ChartBuilder builder(FamilySession::instance().database(), *this);
        found = builder.build(centreName, side) == ChartBuilder::Outcome::Built;
        if (found) m_shownChart = ShownChart{centreName, side};
    } catch (const std::exception& error) {
        m_shownChart.reset();
        setBusy(false);
        showError(QStringLiteral("สร้างผังของ \"%1\" ไม่ได้").arg(centreName), error);
        return;
    }
    if (!found) showNotFound();
    setBusy(false);
}

bool MainWindow::openFile(const QString& path) {
    const QFileInfo file(path);
    const QString fullPath = QDir::cleanPath(file.absoluteFilePath());
    if (!file.isFile()) {
        showOpenFailure(fullPath, QStringLiteral("ไม่พบแฟ้มนี้"));
        return false;
    }
    if (!OpenFamilyDialog::isFamilyFileName(file.fileName())) {
        showOpenFailure(fullPath, QStringLiteral("แฟ้มข้อมูลต้องเป็นแฟ้ม .mdb หรือ .accdb ที่อ่านได้"));
        return false;
    }
    // Read before anything changes: a file that cannot be read, or whose
    // reading or password prompt is cancelled, leaves the open file, the
    // chart, the caption and the buttons as they were. The windows keep
    // answering while it is read.
    if (BackgroundOpen::running()) return false;
    ReadOptions options;
    options.codePage = code_page_setting::remembered(fullPath);
    std::unique_ptr<FamilyDatabase> database;
    QString failure;
    // A file with a database password asks for it, and again while the one
    // given is wrong.
    for (;;) {
        try {
            database = readFamily(fullPath, options);
            break;
        } catch (const ReadCancelled&) {
            return false;
        } catch (const FamilyFileError& e) {
            using Kind = FamilyFileError::Kind;
            if (e.kind() != Kind::PasswordNeeded && e.kind() != Kind::PasswordWrong) {
                failure = thaiReason(e);
                break;
            }
            QWidget* parent = QApplication::activeModalWidget();
            const std::optional<QString> given = PasswordPrompt::ask(
                parent ? parent : this, file.fileName(), e.kind() == Kind::PasswordWrong);
            if (!given) return false;
            options.password = *given;
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
            break;
        }
    }
    if (!database) {
        showOpenFailure(fullPath, failure);
        return false;
    }

    database->persons().first();
    const QString firstName = database->persons().field(QStringLiteral("name")).toText();
    const std::vector<Engine::ShortTable> shortTables = database->shortTables();
    FamilySession& state = FamilySession::instance();
    state.setDatabase(std::move(database));
    state.password = options.password;
    setCaption(fileCaption(state.title, file.fileName()));
    setToolbarButtonEnabled(CommandToolBar::kSearchEntry, true);
    setToolbarButtonEnabled(CommandToolBar::kExitEntry, true);
    showChart(firstName);
    // A file that opened with damage says so where the chart's count stands.
    if (!shortTables.empty()) setStatusText(thaiDamageWarning(shortTables));
    return true;
}

std::unique_ptr<FamilyDatabase> MainWindow::readFamily(const QString& path,
                                                       const ReadOptions& options) {
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    try {
        std::unique_ptr<FamilyDatabase> database = BackgroundOpen::run(*this, path, options);
        QGuiApplication::restoreOverrideCursor();
        return database;
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
}

QString MainWindow::title() const {
    const QString title = FamilySession::instance().title;
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

QString MainWindow::fileCaption(const QString& progTitle, const QString& fileName) {
    return progTitle + QStringLiteral(" [") + QFileInfo(fileName).completeBaseName() +
           QLatin1Char(']');
}

void MainWindow::setToolbarButtonEnabled(int index, bool enabled) {
    m_toolbar->setButtonEnabled(index, enabled);
}

void MainWindow::clearNodes() {
    m_tree->clearNodes();
}

void MainWindow::addNode(const ChartNode& node) {
    m_tree->addNode(node);
}

void MainWindow::makeVisible(const QString& key) {
    m_tree->makeVisible(key);
}

void MainWindow::setStatusText(const QString& text) {
    m_status->setPanelText(1, text);
    if (m_statusRepaint.due()) m_status->repaint();
}

void MainWindow::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::toolbarButtonClick(const QString& key) {
    if (key == QLatin1String("open"))
        OpenFamilyDialog::showModal(*this);
    else if (key == QLatin1String("Search"))
        searchCommand();
    else if (key == QLatin1String("refresh"))
        refreshCommand();
    else if (key == QLatin1String("note"))
        noteCommand();
    else if (key == QLatin1String("about"))
        AboutDialog::showModal(this);
    else if (key == QLatin1String("exit"))
        close();
}

void MainWindow::searchCommand() {
    FamilySession& state = FamilySession::instance();
    // A cancelled prompt gives an empty text, which is also what is offered next time.
    state.lastSearch =
        QInputDialog::getText(this, QStringLiteral("สืบค้น"), QStringLiteral("ข้อความ :"),
                              QLineEdit::Normal, state.lastSearch);
    if (state.lastSearch.isEmpty()) return;
    setBusy(true);
    setToolbarButtonEnabled(CommandToolBar::kRefreshEntry, false);
    QStringList hits;
    try {
        hits = searchHits(state.persons(), state.lastSearch);
    } catch (const std::exception& error) {
        setBusy(false);
        showError(QStringLiteral("ค้นข้อความ \"%1\" ไม่ได้").arg(state.lastSearch), error);
        return;
    }
    if (hits.isEmpty()) {
        showNotFound();
        setBusy(false);
        return;
    }
    // The dialog's OK or Cancel ends the busy cursor.
    SearchResultsDialog::showModal(*this, hits);
}

void MainWindow::refreshCommand() {
    const QTreeWidgetItem* node = selectedNode();
    if (!node) return;
    // A copy: the rebuild deletes the node.
    const QString name = node->text(0);
    FamilySession::instance().pickedName = name;
    showChart(name);
}

void MainWindow::noteCommand() {
    setBusy(true);
    // With no node selected the window shows the person picked last time.
    const QTreeWidgetItem* node = selectedNode();
    showNote(node ? node->text(0) : FamilySession::instance().pickedName);
}

void MainWindow::showNote(const QString& name) {
    FamilySession& state = FamilySession::instance();
    state.pickedName = name;
    ParticularsDialog::showModal(*this, state.isOpen() ? &state.persons() : nullptr, name);
}

void MainWindow::nodeClick(QTreeWidgetItem* node) {
    const bool person = ChartTreeWidget::isPerson(node);
    setToolbarButtonEnabled(CommandToolBar::kRefreshEntry, person);
    setToolbarButtonEnabled(CommandToolBar::kNoteEntry, person);
}

void MainWindow::treeMouseDown(Qt::MouseButton button) {
    if (button != Qt::RightButton || !m_toolbar->isButtonEnabled(CommandToolBar::kRefreshEntry))
        return;
    // A rebuild leaves "refresh" enabled but nothing selected: nobody to show.
    const QTreeWidgetItem* node = selectedNode();
    if (!node) return;
    setBusy(true);
    showNote(node->text(0));
}

QTreeWidgetItem* MainWindow::selectedNode() const {
    const QList<QTreeWidgetItem*> picked = m_tree->selectedItems();
    return picked.isEmpty() ? nullptr : picked.first();
}

void MainWindow::showNotFound() {
    QMessageBox box(QMessageBox::NoIcon, title(), QStringLiteral("NOT FOUND"), QMessageBox::Ok,
                    this);
    box.exec();
}

void MainWindow::showOpenFailure(const QString& path, const QString& reason) {
    // Over the open window when it asked, else over the main window.
    QWidget* parent = QApplication::activeModalWidget();
    QMessageBox box(QMessageBox::Warning, title(),
                    QStringLiteral("เปิดแฟ้มข้อมูลไม่ได้: %1").arg(QFileInfo(path).fileName()),
                    QMessageBox::Ok, parent ? parent : this);
    box.setInformativeText(QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason);
    box.exec();
}

void MainWindow::showError(const QString& what, const std::exception& error) {
    QMessageBox box(QMessageBox::Warning, title(), what, QMessageBox::Ok, this);
    box.setInformativeText(QDir::toNativeSeparators(FamilySession::instance().filePath) +
                           QStringLiteral("\n\n") + QString::fromUtf8(error.what()));
    box.exec();
}

}  // namespace kinmora

// Reading again goes the same way as opening: beside the window, with
// progress and cancel.
#include "app/code_page_command.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

#include "app/command_tool_bar.h"
#include "app/family_session.h"
#include "app/main_window.h"
#include "data/family_file_error.h"
#include "windows/background_open.h"
#include "windows/code_page_setting.h"
#include "windows/thai_reason.h"

namespace kinmora {

CodePageCommand::CodePageCommand(MainWindow& main) : QObject(&main), m_main(main) {
    QMenu* menu = main.toolBar()->moreMenu();
    menu->addSeparator();
    m_choices = new QActionGroup(this);
    const std::pair<int, const char*> choices[] = {
        {0, "รหัสอักษรตามแฟ้ม (รู้จักภาษาไทยเอง)"},
        {874, "อ่านเป็นภาษาไทย (874)"},
        {1252, "อ่านเป็นภาษายุโรปตะวันตก (1252)"},
    };
    for (const auto& [codePage, caption] : choices) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QStringLiteral("code-page-%1").arg(codePage));
        action->setCheckable(true);
        action->setData(codePage);
        action->setEnabled(false);
        m_choices->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, codePage = codePage] { choose(codePage); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const FamilySession& state = FamilySession::instance();
        const int chosen = state.isOpen() ? code_page_setting::remembered(state.filePath) : -1;
        for (QAction* action : m_choices->actions()) {
            action->setEnabled(state.isOpen());
            action->setChecked(action->data().toInt() == chosen);
        }
    });
}

void CodePageCommand::choose(int codePage) {
    FamilySession& state = FamilySession::instance();
    if (!state.isOpen() || BackgroundOpen::running()) return;
    const QString path = state.filePath;
    ReadOptions options;
    options.codePage = codePage;
    options.password = state.password;
    try {
        std::unique_ptr<FamilyDatabase> database = BackgroundOpen::run(m_main, path, options);
        database->persons().first();
        const QString first = database->persons().field(QStringLiteral("name")).toText();
        code_page_setting::remember(path, codePage);
        state.setDatabase(std::move(database));
        m_main.showChart(first);
    } catch (const ReadCancelled&) {
    } catch (const std::exception& e) {
        const auto* fileError = dynamic_cast<const FamilyFileError*>(&e);
        QMessageBox box(QMessageBox::Warning, state.title, QStringLiteral("อ่านแฟ้มข้อมูลใหม่ไม่ได้"),
                        QMessageBox::Ok, &m_main);
        box.setInformativeText(QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
                               (fileError ? thaiReason(*fileError) : QString::fromUtf8(e.what())));
        box.exec();
    }
}

}  // namespace kinmora

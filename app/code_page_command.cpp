// Reading again goes the same way as opening: beside the window, with
// progress and cancel.
#include "app/code_page_command.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

#include "app/command_tool_bar.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "data/family_file_error.h"
#include "windows/background_open.h"
#include "windows/code_page_setting.h"
#include "windows/thai_reason.h"

namespace kinmora {

CodePageCommand::CodePageCommand(frm_main& main) : QObject(&main), m_main(main) {
    QMenu* menu = main.Toolbar1()->moreMenu();
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
        const Module1& state = Module1::instance();
        const int chosen = state.isOpen() ? code_page_setting::remembered(state.db_path) : -1;
        for (QAction* action : m_choices->actions()) {
            action->setEnabled(state.isOpen());
            action->setChecked(action->data().toInt() == chosen);
        }
    });
}

void CodePageCommand::choose(int codePage) {
    Module1& state = Module1::instance();
    if (!state.isOpen() || BackgroundOpen::running()) return;
    const QString path = state.db_path;
    ReadOptions options;
    options.codePage = codePage;
    try {
        std::unique_ptr<FamilyDatabase> database = BackgroundOpen::run(m_main, path, options);
        database->rs_family().moveFirst();
        const QString first = database->rs_family().field(QStringLiteral("name")).toText();
        code_page_setting::remember(path, codePage);
        state.setDatabase(std::move(database));
        m_main.calac(first);
    } catch (const ReadCancelled&) {
    } catch (const std::exception& e) {
        const auto* fileError = dynamic_cast<const FamilyFileError*>(&e);
        QMessageBox box(QMessageBox::Warning, state.prog_title, QStringLiteral("อ่านแฟ้มข้อมูลใหม่ไม่ได้"),
                        QMessageBox::Ok, &m_main);
        box.setInformativeText(QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
                               (fileError ? thaiReason(*fileError) : QString::fromUtf8(e.what())));
        box.exec();
    }
}

}  // namespace kinmora

// Starts the program: the main window, and the family file named on the
// command line if there is one.
#include <QApplication>
#include <QStringList>

#include "app/frm_main.h"
#include "app/start_up_file.h"
#include "windows/thai_font.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kinmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINMORA_VERSION));
    // Message boxes and prompts are windows of their own and do not take the
    // main window's font.
    QApplication::setFont(kinmora::thaiFont(9.75));

    kinmora::frm_main window;
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) kinmora::openStartUpFile(window, arguments.at(1));
    return app.exec();
}

// Starts the program: the main window, and the family file named on the
// command line if there is one.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/main_window.h"
#include "windows/program.h"
#include "windows/thai_font.h"

namespace {

// --help and --version only print, so they must work where no display is.
bool onlyPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--help", "-h", "--help-all", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("kinmora"));
    QCoreApplication::setApplicationVersion(kinmora::program::version());
    const std::unique_ptr<QCoreApplication> app =
        onlyPrints(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                               : std::make_unique<QApplication>(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows a Thai family tree kept in an Access (.mdb or .accdb) family file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("the family file to open at start"),
                                 QStringLiteral("[FILE]"));
    parser.process(*app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        fputs("kinmora: give at most one FILE\nTry 'kinmora --help' for more information.\n",
              stderr);
        return 2;
    }

    // Qt's own dialogs and buttons (file, print, preview, message boxes) in Thai.
    QTranslator qtThai;
    if (qtThai.load(QStringLiteral(":/translations/qt_th.qm")))
        QCoreApplication::installTranslator(&qtThai);
    // Message boxes and prompts are windows of their own and do not take the
    // main window's font.
    QApplication::setFont(kinmora::thaiFont(9.75));
    kinmora::MainWindow window;
    window.show();
    if (!files.isEmpty()) window.openFile(files.first());
    return app->exec();
}

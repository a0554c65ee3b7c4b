// Starts the program: the main window, and the family file named on the
// command line if there is one.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "app/frm_main.h"
#include "windows/thai_font.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kinmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the family tree kept in an Access family file (.MDB)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The family file to open at start-up."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        QTextStream(stderr) << "kinmora: more than one FILE given\n"
                            << "Try 'kinmora --help' for more information.\n";
        return 2;
    }

    // Message boxes and prompts are windows of their own and do not take the
    // main window's font.
    QApplication::setFont(kinmora::thaiFont(9.75));
    kinmora::frm_main window;
    window.show();
    if (!files.isEmpty()) window.openFile(files.first());
    return app.exec();
}

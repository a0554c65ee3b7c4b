// kinmora-picture: draws the family chart for `kinmora-cli picture`, which
// hands its words over unchanged (so the first word is "picture"). It alone
// links the graphics libraries; its help and messages are kinmora-cli's.
#include <QGuiApplication>
#include <QTextStream>

#include "cli_program.h"
#include "picture_command.h"
#include "picture_entry.h"

int main(int argc, char* argv[]) {
    // Pictures need fonts, which only a GUI application has; it needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const kinmora::cli::CliProgram program({kinmora::cli::pictureCommand(
        [](const QStringList&, const kinmora::cli::CliArguments& args, QTextStream&,
           QTextStream& err) { return kinmora::cli::runPicture(args, err); })});
    return program.run(app.arguments().mid(1), out, err);
}

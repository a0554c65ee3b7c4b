// A minute is far more than any tool takes on a test's small files; a run
// that needs longer has hung.
#include "support/process_runner.h"

#include <QProcess>

namespace kinmora::testing {

ProcessRun runProcess(const QString& program, const QStringList& arguments,
                      const RunOptions& options) {
    QProcess process;
    if (!options.folder.isEmpty()) process.setWorkingDirectory(options.folder);
    if (!options.environment.empty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : options.environment) environment.insert(name, value);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace kinmora::testing

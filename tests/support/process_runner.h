// Runs a program to its end for a test and keeps what it printed: the one way
// tests start the command-line tools and the programs that check their files.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace kinmora::testing {

struct ProcessRun {
    int status = -1;  // the exit status; -1 when it did not start, crashed or took over a minute
    QString out;      // standard output, as UTF-8
    QString err;      // standard error, as UTF-8
};

struct RunOptions {
    QString folder;                                        // working folder; "" for this one
    std::vector<std::pair<QString, QString>> environment;  // variables set on top of this one's
};

ProcessRun runProcess(const QString& program, const QStringList& arguments,
                      const RunOptions& options = {});

}  // namespace kinmora::testing

// What the commands that hand the open family on share: they are offered
// while a file is open, read it afresh beside the window, show how far they
// are, and say when the files are written.
#pragma once

#include <QtGlobal>
#include <functional>

#include "app/command.h"
#include "data/read_options.h"

namespace kinmora {

class ExportCommand : public Command {
    Q_OBJECT

public:
    bool isAvailable() const override;

signals:
    // An export ended: `error` is empty when the files were written,
    // "cancelled" when the user stopped it, else what went wrong.
    void exportFinished(const QString& error);

protected:
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    // Writes the files from the open file at `source`, read with `options`.
    using Work = std::function<void(const QString& source, const ReadOptions& options,
                                    const Progress& progress)>;

    ExportCommand(MainWindow& window, const QString& key, const QString& caption);
    // Runs `work` beside the window with `label` as its progress; says `done`
    // when it worked. A cancelled export leaves the files as they were.
    void start(const QString& label, const QString& done, Work work);
    // The open file's folder and name with another ending: the save dialog's proposal.
    QString proposedPath(const QString& suffix) const;
};

}  // namespace kinmora

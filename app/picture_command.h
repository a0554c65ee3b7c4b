// What the chart-picture commands share: they are offered while a chart is
// shown, and draw its picture afresh from the open file beside the window.
#pragma once

#include <functional>
#include <memory>

#include "app/command.h"
#include "data/living_rule.h"

namespace kinmora {

class ChartPicture;
class JobControl;

class PictureCommand : public Command {
    Q_OBJECT

public:
    bool isAvailable() const override;

signals:
    // The picture's work ended: `done` is false when it failed or was cancelled.
    void finished(bool done);

protected:
    using Use = std::function<void(const ChartPicture& picture, JobControl& control)>;

    PictureCommand(MainWindow& window, const QString& key, const QString& caption);
    // Builds the shown chart again, lays out its picture and hands it to
    // `use`, all off the user-interface thread; then `after` runs here when
    // that worked. A failure is shown as `failed` with its reason.
    // The dates of the living are left out when `living` says names.
    void withPicture(Use use, std::function<void()> after, const QString& failed,
                     LivingDetails living = LivingDetails::Full);
};

}  // namespace kinmora

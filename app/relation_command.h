// "เป็นอะไรกัน": what the person selected in the chart is to the chart's
// centre person, or to anyone else the user picks.
#pragma once

#include <memory>

#include "app/command.h"
#include "kinship/family_graph.h"

namespace kinmora {

class RelationCommand : public Command {
    Q_OBJECT

public:
    explicit RelationCommand(MainWindow& window);

    // Offered while a chart is shown.
    bool isAvailable() const override;
    // Shows the kinship dialog for the selected person of the chart, or a
    // message saying what is missing. The family is read into a graph beside
    // the window the first time, and again after another file is opened.
    void run() override;

private:
    void ask(const QString& centre, const QString& name);

    std::shared_ptr<const FamilyGraph> m_graph;
};

}  // namespace kinmora

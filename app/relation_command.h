// The "เป็นอะไรกัน" command of the toolbar's "more" menu: what the person
// selected in the chart is to the chart's centre person, or to anyone else
// the user picks.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "kinship/family_graph.h"

class QAction;

namespace kinmora {

class MainWindow;

class RelationCommand : public QObject {
    Q_OBJECT

public:
    // Adds the command to `main`'s "more" menu, after a separator. It is
    // enabled whenever the menu opens with a chart shown.
    explicit RelationCommand(MainWindow& main);

    QAction* action() const { return m_action; }

    // The name of the chart's centre person, as its marked node shows it;
    // empty when no chart is shown.
    QString centreName() const;

    // Shows the kinship dialog for the selected person of the chart, or a
    // message saying what is missing. Never throws.
    void run();

private:
    const FamilyGraph& graph();

    MainWindow& m_main;
    QAction* m_action = nullptr;
    // The family read once per open file: built on first use, rebuilt when
    // another file has been opened since.
    std::optional<FamilyGraph> m_graph;
    int m_graphOpenCount = -1;
};

}  // namespace kinmora

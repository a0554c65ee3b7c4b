// The kinship dialog: what one person of the chart is to another, the other
// chosen from a list of every person of the family.
#pragma once

#include <QDialog>

#include "kinship/family_graph.h"
#include "kinship/kinship_terms.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace kinmora {

class RelationDialog : public QDialog {
    Q_OBJECT

public:
    // Lists every person of `graph` (name, ten spaces, surname, in name
    // order) with `a` selected, and says what `b` is to the selected person.
    // The graph must outlive the dialog.
    RelationDialog(QWidget* parent, const FamilyGraph& graph, FamilyGraph::Person a,
                   FamilyGraph::Person b);

    // The sentence shown: "<B> เป็น <term> ของ <A>", empty while no line is selected.
    QString answer() const;
    // Selects the line of person `a` (showing it if a filter hid it).
    void choose(FamilyGraph::Person a);
    // Shows only the lines that contain `text`, letter case ignored.
    void setFilter(const QString& text);
    int shownCount() const;

private:
    void updateAnswer();

    const FamilyGraph& m_graph;
    KinshipTerms m_terms;
    FamilyGraph::Person m_b;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_answer = nullptr;
};

}  // namespace kinmora

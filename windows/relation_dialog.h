// The kinship dialog: what one person of the chart is to another, the other
// chosen from a list of every person of the family.
#pragma once

#include <QDialog>

#include "kinship/family_graph.h"
#include "kinship/relation_sentence.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace kinmora {

class RelationDialog : public QDialog {
    Q_OBJECT

public:
    // Lists every person of `graph` in name order (name, surname and year of
    // birth, so that namesakes differ) with `a` selected, and says what `b`
    // is to the selected person. The filter has the focus, so typing narrows
    // the list at once. The graph must outlive the dialog.
    RelationDialog(QWidget* parent, const FamilyGraph& graph, FamilyGraph::Person a,
                   FamilyGraph::Person b);

    // The sentence shown ("ภูมิเป็นพ่อของกันต์"), empty while no line is selected.
    QString answer() const;
    // Selects the line of person `a` (showing it if a filter hid it).
    void choose(FamilyGraph::Person a);
    // Shows only the lines that contain `text`, letter case ignored.
    void setFilter(const QString& text);
    int shownCount() const;
    // The line of person `p`: "ทองดี ใจดี (เกิด พ.ศ. 2443)".
    static QString line(const FamilyGraph& graph, FamilyGraph::Person p);

protected:
    // Up, down and the page keys in the filter move through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateAnswer();

    const FamilyGraph& m_graph;
    RelationSentence m_sentence;
    FamilyGraph::Person m_b;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_answer = nullptr;
};

}  // namespace kinmora

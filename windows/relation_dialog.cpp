// The list holds one line per person, so namesakes, whom a name alone cannot
// reach, can be chosen too.
#include "windows/relation_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/name_search.h"
#include "windows/thai_font.h"
#include "windows/tool_window.h"

namespace kinmora {

RelationDialog::RelationDialog(QWidget* parent, const FamilyGraph& graph, FamilyGraph::Person a,
                               FamilyGraph::Person b)
    : QDialog(parent), m_graph(graph), m_terms(graph), m_b(b) {
    setObjectName(QStringLiteral("RelationDialog"));
    setWindowTitle(QStringLiteral("เป็นอะไรกัน"));
    tool_window::setUp(this, 6600, 5400);
    setFont(thaiFont(9.75));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(
        QStringLiteral("\"%1\" เป็นอะไรกับ ... (เลือกจากรายชื่อ)").arg(m_graph.name(b)), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filterEdit"));
    m_filter->setPlaceholderText(QStringLiteral("ค้นชื่อ"));
    m_filter->setClearButtonEnabled(true);
    layout->addWidget(m_filter);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("personList"));
    m_list->setUniformItemSizes(true);
    // Row p is person p; one insertion for all keeps a large family quick.
    QStringList lines;
    lines.reserve(graph.size());
    for (FamilyGraph::Person p = 0; p < graph.size(); ++p)
        lines << graph.name(p) + kHitGap + graph.surname(p);
    m_list->addItems(lines);
    layout->addWidget(m_list, 1);
    m_answer = new QLabel(this);
    m_answer->setObjectName(QStringLiteral("answerLabel"));
    m_answer->setFont(thaiFont(12, true));
    m_answer->setWordWrap(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_answer);
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(m_filter, &QLineEdit::textChanged, this, &RelationDialog::setFilter);
    connect(m_list, &QListWidget::currentRowChanged, this, &RelationDialog::updateAnswer);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    choose(a);
    m_list->setFocus();
    tool_window::centreOnScreen(this, parent);
}

QString RelationDialog::answer() const {
    return m_answer->text();
}

void RelationDialog::choose(FamilyGraph::Person a) {
    QListWidgetItem* item = m_list->item(a);
    if (!item) return;
    item->setHidden(false);
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void RelationDialog::setFilter(const QString& text) {
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
    if (m_list->currentItem() && m_list->currentItem()->isHidden()) m_list->setCurrentItem(nullptr);
}

int RelationDialog::shownCount() const {
    int shown = 0;
    for (int row = 0; row < m_list->count(); ++row) shown += m_list->item(row)->isHidden() ? 0 : 1;
    return shown;
}

void RelationDialog::updateAnswer() {
    const QListWidgetItem* item = m_list->currentItem();
    if (!item) {
        m_answer->clear();
        return;
    }
    const FamilyGraph::Person a = m_list->row(item);
    m_answer->setText(QStringLiteral("%1 เป็น %2 ของ %3")
                          .arg(m_graph.name(m_b), m_terms.term(a, m_b), m_graph.name(a)));
}

}  // namespace kinmora

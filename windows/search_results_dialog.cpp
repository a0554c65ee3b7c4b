// Positions are the dialog's classic layout in twips.
#include "windows/search_results_dialog.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "data/name_search.h"
#include "data/thai_collation.h"
#include "windows/chart_window.h"
#include "windows/tool_window.h"
#include "windows/twips.h"

namespace kinmora {
namespace {

// Spaces only, not tabs or other white space: a hit line pads with spaces.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

}  // namespace

SearchResultsDialog::SearchResultsDialog(ChartWindow& main)
    : CommandDialog(main, QStringLiteral("SearchResultsDialog"), QStringLiteral("ชื่อ - สกุล"), 5205,
                    2580),
      m_collator(ThaiCollation::collator()) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("hitList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    twips::place(m_list, 120, 240, 4935, 1500);

    m_ok = addButton(QStringLiteral("okButton"), QStringLiteral("ตกลง"), 3000, 2040, 800, 375);
    m_cancel =
        addButton(QStringLiteral("cancelButton"), QStringLiteral("ยกเลิก"), 3960, 2040, 800, 375);
    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_list->setFocus();

    connect(m_ok, &QPushButton::clicked, this, &SearchResultsDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &SearchResultsDialog::cancel);
    tool_window::centreOnScreen(this, main.widget());
}

void SearchResultsDialog::showModal(ChartWindow& main, const QStringList& hits) {
    SearchResultsDialog dialog(main);
    dialog.clear();
    for (const QString& line : hits) dialog.addItem(line);
    dialog.setCurrentRow(0);
    dialog.exec();
}

QString SearchResultsDialog::nameOfHitLine(const QString& hitLine) {
    // The name is everything before the first run of ten spaces, so a name
    // with leading spaces and an empty surname is kept whole.
    const qsizetype gap = hitLine.indexOf(kHitGap);
    return trimSpaces(gap < 0 ? hitLine : hitLine.left(gap));
}

void SearchResultsDialog::clear() {
    m_list->clear();
}

void SearchResultsDialog::addItem(const QString& line) {
    // After any equal lines, so that equal lines keep the order they came in.
    int low = 0;
    int high = m_list->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_collator.compare(line, m_list->item(middle)->text()) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    m_list->insertItem(low, line);
}

QStringList SearchResultsDialog::lines() const {
    QStringList result;
    for (int i = 0; i < m_list->count(); ++i) result.append(m_list->item(i)->text());
    return result;
}

int SearchResultsDialog::currentRow() const {
    return m_list->currentRow();
}

void SearchResultsDialog::setCurrentRow(int row) {
    if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
}

void SearchResultsDialog::confirm() {
    setCursor(Qt::WaitCursor);
    const QListWidgetItem* item = m_list->currentItem();
    const QString name = nameOfHitLine(item ? item->text() : QString());
    rebuildChart(name);
    unsetCursor();
    done(QDialog::Accepted);
}

void SearchResultsDialog::cancel() {
    m_main.setBusyCursor(false);
    done(QDialog::Rejected);
}

void SearchResultsDialog::closeEvent(QCloseEvent* event) {
    // The close box ends the main window's hourglass too, or it would stay
    // on until the next chart was built.
    m_main.setBusyCursor(false);
    QDialog::closeEvent(event);
}

}  // namespace kinmora

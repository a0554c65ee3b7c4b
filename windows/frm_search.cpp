// Positions are the dialog's classic layout in twips.
#include "windows/frm_search.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "data/name_search.h"
#include "data/thai_collation.h"
#include "windows/main_window.h"
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

frm_search::frm_search(MainWindow& main)
    : CommandDialog(main, QStringLiteral("frm_search"), QStringLiteral("ชื่อ - สกุล"), 5205, 2580),
      m_collator(ThaiCollation::collator()) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    twips::place(m_list, 120, 240, 4935, 1500);

    m_ok = addButton(QStringLiteral("Command1"), QStringLiteral("ตกลง"), 3000, 2040, 800, 375);
    m_cancel = addButton(QStringLiteral("Command2"), QStringLiteral("ยกเลิก"), 3960, 2040, 800, 375);
    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_list->setFocus();

    connect(m_ok, &QPushButton::clicked, this, &frm_search::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &frm_search::cancel);
    tool_window::centreOnScreen(this, main.widget());
}

void frm_search::showModal(MainWindow& main, const QStringList& hits) {
    frm_search dialog(main);
    dialog.clear();
    for (const QString& line : hits) dialog.addItem(line);
    dialog.setCurrentRow(0);
    dialog.exec();
}

QString frm_search::onlyname(const QString& input_text) {
    // The name is everything before the first run of ten spaces, so a name
    // with leading spaces and an empty surname is kept whole.
    const qsizetype gap = input_text.indexOf(kHitGap);
    return trimSpaces(gap < 0 ? input_text : input_text.left(gap));
}

void frm_search::clear() {
    m_list->clear();
}

void frm_search::addItem(const QString& line) {
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

QStringList frm_search::lines() const {
    QStringList result;
    for (int i = 0; i < m_list->count(); ++i) result.append(m_list->item(i)->text());
    return result;
}

int frm_search::currentRow() const {
    return m_list->currentRow();
}

void frm_search::setCurrentRow(int row) {
    if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
}

void frm_search::confirm() {
    setCursor(Qt::WaitCursor);
    const QListWidgetItem* item = m_list->currentItem();
    const QString name = onlyname(item ? item->text() : QString());
    rebuildChart(name);
    unsetCursor();
    done(QDialog::Accepted);
}

void frm_search::cancel() {
    m_main.setBusyCursor(false);
    done(QDialog::Rejected);
}

void frm_search::closeEvent(QCloseEvent* event) {
    // The close box ends the main window's hourglass too, or it would stay
    // on until the next chart was built.
    m_main.setBusyCursor(false);
    QDialog::closeEvent(event);
}

}  // namespace kinmora

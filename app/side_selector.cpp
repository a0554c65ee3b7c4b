// Qt keeps the last chosen item current while the user types over it; the
// chart reads a typed selector as "no item chosen", so the index is dropped
// at the first keystroke.
#include "app/side_selector.h"

#include <QLineEdit>

namespace kinmora {

SideSelector::SideSelector(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("sideSelector"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would turn a few typed letters back into an item.
    setCompleter(nullptr);
    addItem(QStringLiteral(" แสดงญาติฝ่ายบิดา"));
    addItem(QStringLiteral(" แสดงญาติฝ่ายมารดา"));
    setCurrentIndex(0);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SideSelector::forgetChoice);
}

void SideSelector::forgetChoice(const QString& typed) {
    if (currentIndex() == -1) return;
    const int cursor = lineEdit()->cursorPosition();
    // Dropping the index blanks the field, so the typed text is put back.
    setCurrentIndex(-1);
    lineEdit()->setText(typed);
    lineEdit()->setCursorPosition(cursor);
}

}  // namespace kinmora

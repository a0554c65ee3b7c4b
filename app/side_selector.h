// The side selector: the editable selector of the side of the family the next chart follows.
#pragma once

#include <QComboBox>

namespace kinmora {

class SideSelector : public QComboBox {
    Q_OBJECT

public:
    // Holds " แสดงญาติฝ่ายบิดา" (index 0, selected) and " แสดงญาติฝ่ายมารดา".
    // Typing into the text field leaves no item selected (currentIndex() -1)
    // and keeps the typed text; typed text never becomes an item.
    explicit SideSelector(QWidget* parent = nullptr);

private:
    void forgetChoice(const QString& typed);
};

}  // namespace kinmora

// The print preview as the program shows it: as large as the screen allows,
// with every toolbar command in view.
#pragma once

#include <QPrintPreviewDialog>

namespace kinmora {

class FittedPrintPreviewDialog : public QPrintPreviewDialog {
    Q_OBJECT

public:
    // A preview of what `printer` prints, filling the free area of the screen
    // of `parent`; where that area is too narrow for the toolbar in one row,
    // its groups of commands go on as many rows as they need.
    FittedPrintPreviewDialog(QPrinter* printer, QWidget* parent);
};

}  // namespace kinmora

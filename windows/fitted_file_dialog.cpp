// Qt's file dialog rather than the desktop's, because only Qt's can be sized
// and placed before it shows.
#include "windows/fitted_file_dialog.h"

#include <QFileDialog>

#include "windows/screen_fit.h"

namespace kinmora {

QString fittedSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                           const QString& filter, QString* selectedFilter) {
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (selectedFilter && !selectedFilter->isEmpty()) dialog.selectNameFilter(*selectedFilter);
    screen_fit::fitToScreen(&dialog, parent, dialog.sizeHint());
    if (dialog.exec() != QDialog::Accepted) return {};
    if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

}  // namespace kinmora

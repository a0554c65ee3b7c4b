// Asks for a file name to save under in a file dialog that fits the screen.
#pragma once

#include <QString>

class QWidget;

namespace kinmora {

// What QFileDialog::getSaveFileName asks, with the same arguments and answer
// (an empty name when cancelled), in Qt's own dialog sized and placed inside
// the free area of the screen of `parent`: a desktop's dialog may be larger
// than a small screen at a large scale.
QString fittedSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                           const QString& filter, QString* selectedFilter = nullptr);

}  // namespace kinmora

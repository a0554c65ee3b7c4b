// The one way a window tells the user that something could not be done: a
// warning titled with the program's name, saying what failed and why.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace kinmora {

// Shows `what` failed over `parent`, with `detail` (a file's path, the
// reason) below it, and waits for OK.
void showFailure(QWidget* parent, const QString& what, const QString& detail);
// The reason to show for `failure` (not null): a family file's error in Thai
// with its own sentence after it, anything else as it says.
QString reasonOf(std::exception_ptr failure);

}  // namespace kinmora

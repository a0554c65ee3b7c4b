// execv rather than a child process: the exit status, signals and the
// terminal stay the caller's without anything passed on by hand.
#include "picture_hand_over.h"

#include <unistd.h>

#include <QFile>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "data/helper_program.h"

namespace kinmora::cli {

void handOverPicture(char* argv[]) {
    const QString program = helperProgram(QStringLiteral("kinmora-picture"));
    if (program.isEmpty())
        throw std::runtime_error(
            "cannot draw the picture: the drawing program kinmora-picture is not installed "
            "beside this program");
    std::fflush(nullptr);
    ::execv(QFile::encodeName(program).constData(), argv);
    const int error = errno;
    throw std::runtime_error("cannot draw the picture: " + program.toStdString() +
                             " cannot be started: " + std::strerror(error));
}

}  // namespace kinmora::cli

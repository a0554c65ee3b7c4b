// A failure told as a Thai reader expects it: what could not be done and why
// in Thai, the file it concerns, and the technical detail (often the
// system's or the file reader's own English) behind the "รายละเอียด…" button.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace kinmora {

class FailureMessage {
public:
    // `what` could not be done ("เปิดแฟ้มข้อมูลไม่ได้"), for the Thai reason `why`.
    FailureMessage(QString what, QString why) : m_what(std::move(what)), m_why(std::move(why)) {}

    // The file the failure concerns, shown under the reason.
    FailureMessage& file(const QString& path);
    // The technical detail, shown only when asked for.
    FailureMessage& detail(const QString& text);

    // Shows the message over `parent` with the program's `title`, and waits
    // until it is closed.
    void exec(QWidget* parent, const QString& title) const;

private:
    QString m_what;
    QString m_why;
    QString m_file;
    QString m_detail;
};

// Shows over `parent`, titled with the program's name, that `what` failed
// because of `failure` (not null): a family file's error by its Thai reason
// with its own words as the detail, anything else by its own words as the
// detail; naming `path` when given.
void showFailure(QWidget* parent, const QString& what, std::exception_ptr failure,
                 const QString& path = {});

}  // namespace kinmora

// The error raised when a family file cannot be read: which file, and why.
#pragma once

#include <QString>
#include <stdexcept>

namespace kinmora {

class FamilyFileError : public std::runtime_error {
public:
    FamilyFileError(QString path, QString reason);

    // The file as the user named it.
    const QString& path() const { return m_path; }
    // What is wrong with it, in a sentence a person can act on.
    const QString& reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

}  // namespace kinmora

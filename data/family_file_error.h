// The one error of the data layer: what kind of failure, which file, and why.
#pragma once

#include <QString>
#include <stdexcept>

namespace kinmora {

class FamilyFileError : public std::runtime_error {
public:
    enum class Kind {
        NotFound,        // no file of that name, or it cannot be opened
        NotRegularFile,  // a folder, a pipe or a device
        Empty,
        NotAccess,       // not an Access database at all
        UnknownVersion,  // an Access database of a version nobody reads
        Encrypted,       // encrypted: no password given here opens it
        PasswordNeeded,  // a database password guards it and none was given
        PasswordWrong,   // the password given is not the file's
        Damaged,         // truncated, unreadable pages, values of the wrong kind
        NotFamilyFile,   // an Access database without the family's tables
        ReaderStopped,   // the reading process crashed, hung or ran out of limits
        BadQuery,        // a query, find or field the open file cannot answer
    };

    // An error about the file at `path`; what() is "path: reason" in UTF-8.
    FamilyFileError(Kind kind, QString path, QString reason);
    // An error that names no file (a query, a record set, a value); what()
    // is the reason in UTF-8.
    FamilyFileError(Kind kind, QString reason);

    Kind kind() const { return m_kind; }
    // The file as the user named it; empty when the error names no file.
    const QString& path() const { return m_path; }
    // What is wrong, in a sentence a person can act on.
    const QString& reason() const { return m_reason; }
    // The whole message, as what() holds it.
    QString message() const { return QString::fromUtf8(what()); }

private:
    Kind m_kind;
    QString m_path;
    QString m_reason;
};

}  // namespace kinmora

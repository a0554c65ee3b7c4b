// The database password an Access file that is not encrypted keeps in its
// header, there only to be compared with the one a person gives.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace kinmora {

class DatabasePassword {
public:
    // Reads the password from `page`, the whole first page of an Access 97
    // file when `jet3`, else of an Access 2000 or later file.
    DatabasePassword(const unsigned char* page, bool jet3);

    // Whether the file has a password.
    bool isSet() const { return !m_stored.isEmpty(); }
    // Whether `given` is the password, letter case and all. A Thai Access 97
    // password matches whatever code page the header names.
    bool matches(const QString& given) const;

private:
    QByteArray m_stored;  // the password's bytes, up to the first NUL
    bool m_jet3;
    int m_codePage = 0;  // the header's, for Access 97
};

}  // namespace kinmora

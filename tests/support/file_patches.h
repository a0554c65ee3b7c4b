// Changes made to a written family file in place, as other writers or a
// crash leave files: another code page in the header, a stale row count.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace kinmora::testing {

// Patches work on files of every format the writer produces unless they name one.

// Makes the header of the file at `path` name `codePage`.
void setHeaderCodePage(const QString& path, std::uint16_t codePage);

// Gives the Access 97 file at `path` a database password, as Access keeps it
// (`password` holds its bytes: code page 874 for Thai).
void setJet3Password(const QString& path, const std::string& password);

// Fills page `page` of the file at `path` with zeros.
void zeroPage(const QString& path, int page);

// Sets the row count kept in the one table definition that counts `from`
// rows to `to` (at offset 12 of a Jet 3 table definition page, 16 in Jet 4),
// leaving the rows as they are: a stale count. Throws std::runtime_error
// unless exactly one counts `from`.
void setRowCount(const QString& path, std::uint32_t from, std::uint32_t to);

// UTF-8 text that the writer stores as the code page 1252 bytes of `latin1`
// (given in UTF-8): each letter above 0x7F is written as the Thai letter
// that has the same byte in code page 874.
std::string asLatin1Bytes(const QString& latin1);

}  // namespace kinmora::testing

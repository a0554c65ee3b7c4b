// The one place that talks to libmdb: reads tables of an Access file, read-only.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "data/family_file_error.h"
#include "data/mapped_file.h"
#include "data/table_sink.h"
#include "data/text_decoder.h"

namespace kinmora {

class MdbReader {
public:
    // Maps the file, checks that it is an Access database of a known version
    // and whole pages, that `password` is its database password if it has
    // one, and reads its catalog. Access 97 text is read in `codePage` (see
    // code_page.h; kByFile follows the file). Throws FamilyFileError naming
    // the file and the reason (PasswordNeeded, PasswordWrong for a password
    // not given or not the file's; Damaged for a file cut short).
    explicit MdbReader(const QString& path, int codePage = 0, const QString& password = {});
    ~MdbReader();
    MdbReader(const MdbReader&) = delete;
    MdbReader& operator=(const MdbReader&) = delete;

    // Reads the table named `name` (any letter case) into `sink`: every row
    // its pages hold, whatever count its definition keeps (the count goes to
    // sink.expectRows). Returns false, touching nothing, when the file has no
    // such table in a sound file; throws FamilyFileError when the table
    // cannot be read at all, or is missing from a catalog cut short.
    bool readTable(const QString& name, TableSink& sink);

    // How the values of one column are read from a fetched row: straight
    // from the page, or as text libmdb converts (Bound).
    enum class Decoding { Bound, None, Bool, Byte, Int16, Int32, Float, Double, Date, Text, Memo };

private:
    struct TableRead;
    void checkHeader(const QString& password) const;
    void checkCatalog();
    FamilyFileError truncated(const QString& what) const;
    void* findTable(const QString& name) const;
    TextDecoder textDecoder() const;
    void bindColumns(void* mdbTable, TableRead& read) const;
    void readRows(void* mdbTable, TableRead& read, TableSink& sink) const;
    std::optional<bool> guessThai(void* mdbTable) const;
    Value storedValue(const void* mdbColumn, Decoding decoding, const TextDecoder& text) const;
    QByteArray memoBytes(const unsigned char* field, int fieldLength) const;

    struct Handle;  // owns the libmdb handle
    QString m_path;
    MappedFile m_file;
    std::unique_ptr<Handle> m_handle;
    int m_codePage;
    // Why the catalog is incomplete, said when a table asked for is missing.
    QString m_catalogShortfall;
    // Whether Access 97 text is Thai; empty until a table's bytes tell.
    std::optional<bool> m_thaiText;
};

}  // namespace kinmora

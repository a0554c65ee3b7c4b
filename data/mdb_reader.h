// The one place that talks to libmdb: reads tables of an Access file, read-only.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "data/mapped_file.h"
#include "data/table_sink.h"

namespace kinmora {

class MdbReader {
public:
    // Maps the file, checks that it is an Access database of a known version
    // and whole pages, and reads its catalog. Access 97 text is read in
    // `codePage` (see code_page.h; kByFile follows the file). Throws
    // FamilyFileError naming the file and the reason.
    explicit MdbReader(const QString& path, int codePage = 0);
    ~MdbReader();
    MdbReader(const MdbReader&) = delete;
    MdbReader& operator=(const MdbReader&) = delete;

    // The names of the file's user tables, as the file spells them.
    QStringList tableNames() const;

    // Reads the table named `name` (any letter case) into `sink`: every row
    // its pages hold, also beyond the count its definition keeps. Returns
    // false, touching nothing, when the file has no such table. Fewer rows
    // than the count go to the sink with a warning, once the rows are in;
    // throws FamilyFileError when the table cannot be read at all.
    bool readTable(const QString& name, TableSink& sink);

    // How the values of one column are read from a fetched row: straight
    // from the page, or as text libmdb converts (Bound).
    enum class Decoding {
        Bound,
        None,
        Bool,
        Byte,
        Int16,
        Int32,
        Float,
        Double,
        Date,
        Cp874Text,
        Cp874Memo
    };

private:
    struct TableRead;
    bool checkHeader() const;
    void* findTable(const QString& name) const;
    void bindColumns(void* mdbTable, TableRead& read) const;
    unsigned readRows(void* mdbTable, TableRead& read, TableSink& sink) const;
    Value boundValue(const TableRead& read, std::size_t column) const;
    std::optional<bool> guessThai(void* mdbTable) const;
    Value storedValue(const void* mdbColumn, Decoding decoding) const;
    Value cp874Memo(const unsigned char* field, int fieldLength) const;
    Value longMemo(const void* mdbColumn) const;

    struct Handle;  // owns the libmdb handle
    QString m_path;
    MappedFile m_file;
    std::unique_ptr<Handle> m_handle;
    // Whether Access 97 text is Thai; empty until a table's bytes tell.
    std::optional<bool> m_thaiText;
};

}  // namespace kinmora

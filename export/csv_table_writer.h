// Writes one table of a family file as the CSV text kinmora-mkfamily reads,
// so that the same table can be written back into a family file.
#pragma once

#include <QString>

#include "data/result_table.h"
#include "data/table_schema.h"
#include "export/export_progress.h"

class QIODevice;

namespace kinmora {

class CsvTableWriter {
public:
    // Writes a header naming each column of `schema` with its type
    // ("born:date", "code:int") and one record per row of `rows` (whose
    // columns follow the schema's): Null as an empty cell, Yes/No as 1 or 0,
    // dates as YYYY-MM-DD or YYYY-MM-DD HH:MM:SS, numbers so that they read
    // back to the same value, text quoted. UTF-8 with a byte order mark (for
    // spreadsheets), CRLF between records. Throws ExportCancelled when
    // `progress` says stop and std::runtime_error when `out` fails.
    static void write(const TableSchema& schema, const ResultTable& rows, QIODevice& out,
                      const ExportProgress& progress = {});

    // The CSV cell of one value.
    static QString cell(const Value& value);
    // The header cell of `column`: its name and the type it is written back as.
    static QString headerCell(const ColumnInfo& column);
};

}  // namespace kinmora

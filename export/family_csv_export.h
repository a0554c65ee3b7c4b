// The two tables of a family file, exactly as stored, ready to be written as
// the CSV files kinmora-mkfamily makes a family file from.
#pragma once

#include <QString>
#include <memory>

#include "data/engine.h"
#include "data/living_rule.h"
#include "data/read_options.h"
#include "export/export_progress.h"

class QIODevice;

namespace kinmora {

class FamilyCsvExport {
public:
    // Reads the `family` and `married` tables of the file at `path`
    // read-only, every column and row as stored. Throws FamilyFileError
    // naming the file and the reason when it cannot be read or lacks a table.
    // Access 97 text is read as `options` say.
    explicit FamilyCsvExport(const QString& path, const ReadOptions& options = {});

    // Writes the family table (or the married table) in the order of its rows
    // in the file; see CsvTableWriter. Throws ExportCancelled when `progress`
    // says stop, std::runtime_error when `out` fails.
    void writeFamily(QIODevice& out, const ExportProgress& progress = {});
    // From now on writes no born, die or biography of a person `living`
    // hides, and none of the couple's own columns (the wedding) of a
    // marriage whose partner it hides; codes and Yes/No cells stay.
    void keepPrivate(const LivingRule& living);
    void writeMarried(QIODevice& out, const ExportProgress& progress = {});

    // What was found damaged, one sentence each (see Engine::damage).
    QStringList damage() const { return m_engine->damage(); }
    int familyRows() const;
    int marriedRows() const;

private:
    std::unique_ptr<Engine> m_engine;
    std::shared_ptr<const ResultTable> m_family;
    std::shared_ptr<const ResultTable> m_married;
};

}  // namespace kinmora

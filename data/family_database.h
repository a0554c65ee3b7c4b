// An open family file: the database `db` with the shared person record set
// `persons` and the couples' record set `couples`.
#pragma once

#include <QString>
#include <memory>

#include "data/engine.h"
#include "data/record_set.h"

namespace kinmora {

class FamilyDatabase {
public:
    // Opens the family file at `path` read-only and opens both record sets,
    // `persons` standing on the first person in name order; `options` give
    // the code page of Access 97 text (by the file unless told) and who hears
    // of the progress. Throws FamilyFileError naming the file and the reason
    // when it is not a readable family file (not an Access file, damaged
    // beyond reading, no `family` or `married` table, no `name` field, no
    // person at all); ReadCancelled when options.progress stopped the read.
    static std::unique_ptr<FamilyDatabase> open(const QString& path,
                                                const ReadOptions& options = {});

    const QString& path() const { return m_db->path(); }
    // The damage found in a file that still opened (a table with fewer rows
    // than it should hold), one sentence each; empty for a sound file.
    QStringList damage() const { return m_db->damage(); }
    // The same, table by table, for a warning in the user's language.
    const std::vector<Engine::ShortTable>& shortTables() const { return m_db->shortTables(); }
    Engine& db() { return *m_db; }
    RecordSet& persons() { return m_family; }
    RecordSet& couples() { return m_married; }

private:
    FamilyDatabase(std::unique_ptr<Engine> db, RecordSet family, RecordSet married);

    std::unique_ptr<Engine> m_db;
    RecordSet m_family;
    RecordSet m_married;
};

}  // namespace kinmora

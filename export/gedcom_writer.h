// Writes a family file's persons and couples as a GEDCOM 5.5.1 file in UTF-8,
// lineage-linked, for genealogy programs to import.
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "export/export_progress.h"
#include "export/family_lineage.h"

class QIODevice;

namespace kinmora {

class FamilyDatabase;

class GedcomWriter {
public:
    // Reads every person (in name order) and every couple of `database`;
    // the record set persons is walked and left on its first person.
    // Throws FamilyFileError when a table cannot be read.
    explicit GedcomWriter(FamilyDatabase& database);

    // Writes the whole file to `out`: the header (naming Kinmora, its
    // version, `sourceName` and `exportedAt`), one INDI for every person, one
    // FAM for every family, TRLR. `progress` hears of every few hundred
    // records. Throws ExportCancelled when `progress` says stop, and
    // std::runtime_error when `out` fails.
    void write(QIODevice& out, const QString& sourceName, const QDateTime& exportedAt,
               const ExportProgress& progress = {}) const;

    int personCount() const { return static_cast<int>(m_persons.size()); }
    int familyCount() const { return static_cast<int>(m_lineage.families().size()); }

private:
    struct Person {
        std::optional<std::int64_t> code;
        Value name, surname, sex, born, die, still, biography;
    };
    static FamilyLineage readLineage(FamilyDatabase& database, std::vector<Person>& persons);
    void assignReferences();
    void writePerson(QByteArray& out, int index) const;
    void writeFamily(QByteArray& out, int index) const;

    std::vector<Person> m_persons;
    FamilyLineage m_lineage;
    std::vector<QByteArray> m_references;  // "@I12@" or "@X3@", by person
};

}  // namespace kinmora

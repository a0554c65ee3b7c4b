// The family as the website's scripts read it: every person in name order
// with the texts the particulars window shows, the couples, and the
// biographies in files of their own, with the living kept as the rule says.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

#include "data/living_rule.h"

namespace kinmora {

class FamilyDatabase;

class FamilySiteData {
public:
    // How many persons' biographies one notes file holds.
    static constexpr int kNotesPerFile = 250;

    // Reads every person and couple of `database`; the person record set is not moved.
    // `madeAt` is the moment the site is made (for the age of the living).
    // Throws FamilyFileError when a table cannot be read.
    FamilySiteData(FamilyDatabase& database, const LivingRule& rule, const QDateTime& madeAt,
                   const QString& sourceName);

    int noteFileCount() const { return static_cast<int>(m_notes.size()); }
    // data/family.js: `window.KINMORA_FAMILY = {...};`.
    const QByteArray& familyScript() const { return m_family; }
    // data/notes-N.js: `KinmoraNotes(N, [...]);`, the biographies of persons
    // N*kNotesPerFile onwards in name order (null for a living person kept private).
    const QByteArray& noteScript(int file) const { return m_notes[static_cast<std::size_t>(file)]; }

private:
    QByteArray m_family;
    std::vector<QByteArray> m_notes;
};

}  // namespace kinmora

// The scratch folder of one test, and the small family files it writes
// there from readable CSV text.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "family_writer.h"
#include "support/qt_printers.h"

namespace kinmora::testing {

using mkfamily::FileFormat;

// How a family file is written: its format and database password (empty for none). Every
// test file gets the same creation date, so it comes out the same on every run.
struct FileKind {
    FileFormat format = FileFormat::Access97;
    std::string password;
};

// Every format the writer produces, for tests that run once per format.
inline constexpr FileFormat kAllFormats[] = {FileFormat::Access97, FileFormat::Access2000,
                                             FileFormat::Access2007};
// "access97", "access2000", "access2007": the writer's --format names, fit for test names.
std::string formatName(FileFormat format);

}  // namespace kinmora::testing

namespace kinmora::mkfamily {
// Test output names a format by its --format name.
inline void PrintTo(FileFormat format, std::ostream* out) {
    *out << testing::formatName(format);
}
}  // namespace kinmora::mkfamily

namespace kinmora::testing {

// The header every test family uses, in the order of the family table.
inline constexpr const char* kFamilyHeader =
    "code,name,surname,sex,born,die,still,biography,fathercode,mothercode\n";
inline constexpr const char* kMarriedHeader = "fathercode,mothercode,wedding:long\n";

// Family rows of persons given six words each, the persons apart by spaces,
// line breaks or "|": code, name, sex (m or f), birth (a year, a date or "-"),
// father's code, mother's code ("-" for Null). No surname, death or biography.
std::string personRows(const char* people);

// A folder that lives as long as the test and holds the files it writes;
// the only scratch folder tests use.
class FamilyFiles {
public:
    FamilyFiles();

    // Writes FILE (e.g. "family.mdb") with a `family` and a `married` table
    // from the CSV rows given (headers above are prepended), and returns its path.
    QString write(const QString& file, const std::string& familyRows,
                  const std::string& marriedRows = "", const FileKind& kind = {});

    // Writes FILE with exactly these tables: name and whole CSV text (header included).
    QString writeTables(const QString& file,
                        const std::vector<std::pair<std::string, std::string>>& tables,
                        const FileKind& kind = {});

    // Writes FILE with exactly `bytes` (a damaged file, a CSV) and returns its path.
    QString writeFile(const QString& file, const QByteArray& bytes);

    // Writes FILE as a shell script (`body` after "#!/bin/sh") that only its
    // owner may run, e.g. a reader program that never answers.
    QString writeScript(const QString& file, const QByteArray& body);

    // A path in the folder, for files a test makes itself.
    QString path(const QString& file) const { return m_dir.filePath(file); }

private:
    QTemporaryDir m_dir;
};

}  // namespace kinmora::testing

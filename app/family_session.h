// The program-wide shared state: the window title, the open family file with
// its record sets, the last search text and the name picked in the chart.
#pragma once

#include <QString>
#include <memory>

#include "data/family_database.h"

namespace kinmora {

class FamilySession {
public:
    // The one instance of the program.
    static FamilySession& instance();

    QString title;       // "Kinmora", set when the main window loads
    QString filePath;    // the open file's full path
    QString lastSearch;  // the text last typed at the Search prompt
    QString pickedName;  // the name of the chart node the user picked
    // The open file's database password, kept in memory only, to read the
    // file again (in another code page, for an export); empty for none.
    QString password;

    // True once a family file is open.
    bool isOpen() const { return m_database != nullptr; }
    // Changes whenever another file is opened, so that what was worked out
    // from the previous one is known to be stale.
    int openCount() const { return m_openCount; }
    // The open file; these throw std::logic_error when no file is open.
    FamilyDatabase& database() const;
    Engine& db() const { return database().db(); }
    RecordSet& persons() const { return database().persons(); }
    RecordSet& couples() const { return database().couples(); }

    // Makes `database` the open file, releasing the previous one, and sets filePath.
    void setDatabase(std::unique_ptr<FamilyDatabase> database);
    // Closes persons and the database (at shut-down).
    void close();

private:
    std::unique_ptr<FamilyDatabase> m_database;
    int m_openCount = 0;
};

}  // namespace kinmora

// The family file open in the main window: its path, its record sets, the
// last search text and the name picked in the chart, shared by the window's
// commands and handed to the dialogs that need it.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "data/family_database.h"

namespace kinmora {

class FamilySession : public QObject {
    Q_OBJECT

public:
    explicit FamilySession(QObject* parent = nullptr);
    ~FamilySession() override;

    // True while a family file is open.
    bool isOpen() const { return m_database != nullptr; }
    // The open file's full path; empty while none is open.
    const QString& filePath() const { return m_filePath; }
    // The open file and its persons; throw std::logic_error when none is open.
    FamilyDatabase& database() const;
    RecordSet& persons() const { return database().persons(); }

    // The text last typed at the search prompt, offered again next time.
    const QString& lastSearch() const { return m_lastSearch; }
    void setLastSearch(const QString& text) { m_lastSearch = text; }
    // The open file's database password, kept in memory only, to read the
    // file again (in another code page, for an export); empty for none.
    const QString& password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }
    // The name of the chart node the user picked last.
    const QString& pickedName() const { return m_pickedName; }
    void setPickedName(const QString& name) { m_pickedName = name; }

    // Makes `database` the open file, releasing the previous one.
    void setDatabase(std::unique_ptr<FamilyDatabase> database);
    // Closes the open file, if any.
    void close();

signals:
    // Another file became the open one, or the open one was closed: what was
    // worked out from the previous file is stale.
    void fileChanged();

private:
    std::unique_ptr<FamilyDatabase> m_database;
    QString m_filePath;
    QString m_lastSearch;
    QString m_pickedName;
    QString m_password;
};

}  // namespace kinmora

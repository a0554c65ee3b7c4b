// The session owns the open file; the main window owns the session.
#include "app/family_session.h"

#include <stdexcept>

namespace kinmora {

FamilySession::FamilySession(QObject* parent) : QObject(parent) {}

FamilySession::~FamilySession() = default;

FamilyDatabase& FamilySession::database() const {
    if (!m_database) throw std::logic_error("no family file is open");
    return *m_database;
}

void FamilySession::setDatabase(std::unique_ptr<FamilyDatabase> database) {
    m_database = std::move(database);
    m_filePath = m_database ? m_database->path() : QString();
    emit fileChanged();
}

void FamilySession::close() {
    if (!m_database) return;
    m_database.reset();
    m_filePath.clear();
    m_password.clear();
    emit fileChanged();
}

}  // namespace kinmora

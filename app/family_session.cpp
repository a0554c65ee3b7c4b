// One instance for the whole program, as every window shares one open file.
#include "app/family_session.h"

#include <stdexcept>

namespace kinmora {

FamilySession& FamilySession::instance() {
    static FamilySession state;
    return state;
}

FamilyDatabase& FamilySession::database() const {
    if (!m_database) throw std::logic_error("no family file is open");
    return *m_database;
}

void FamilySession::setDatabase(std::unique_ptr<FamilyDatabase> database) {
    m_database = std::move(database);
    ++m_openCount;
    filePath = m_database ? m_database->path() : QString();
}

void FamilySession::close() {
    if (m_database) m_database->persons().close();
    m_database.reset();
}

}  // namespace kinmora

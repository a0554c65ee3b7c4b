// One instance for the whole program, as every window shares one open file.
#include "app/module1.h"

#include <stdexcept>

namespace kinmora {

Module1& Module1::instance() {
    static Module1 state;
    return state;
}

FamilyDatabase& Module1::database() const {
    if (!m_database) throw std::logic_error("no family file is open");
    return *m_database;
}

void Module1::setDatabase(std::unique_ptr<FamilyDatabase> database) {
    m_database = std::move(database);
    ++m_openCount;
    db_path = m_database ? m_database->path() : QString();
}

void Module1::close() {
    if (m_database) m_database->rs_family().close();
    m_database.reset();
}

}  // namespace kinmora

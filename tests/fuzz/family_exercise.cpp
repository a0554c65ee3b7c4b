// The steps follow the windows' own calls; each catches only what the
// windows catch, so a logic_error, bad_alloc or sanitizer report still ends
// the run as a finding.
#include "fuzz/family_exercise.h"

#include <QDateTime>
#include <stdexcept>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_queries.h"
#include "data/name_search.h"
#include "data/person_particulars.h"

namespace kinmora::fuzz {

FamilyExercise::FamilyExercise(FamilyDatabase& database) : m_database(database) {}

template <typename Step>
void FamilyExercise::step(Step&& work) {
    try {
        work();
    } catch (const std::runtime_error&) {
        // FamilyFileError is a runtime error too.
    }
}

void FamilyExercise::run() {
    collectPersons();
    runQueries();
    runFinds();
    buildCharts();
    loadAllParticulars();
    searchNames();
}

void FamilyExercise::collectPersons() {
    RecordSet& family = m_database.persons();
    step([&] {
        family.first();
        for (int i = 0; i < kMaxPersons && !family.atEnd(); ++i, family.next()) {
            m_names << family.field(QStringLiteral("name")).toText();
            step([&] {
                m_codes.push_back(
                    family.field(QStringLiteral("code")).toInteger(INT64_MIN, INT64_MAX));
            });
        }
    });
}

void FamilyExercise::walk(RecordSet& rows, const QString& table) {
    const TableSchema* schema = m_database.db().schema(table);
    if (!schema) return;
    step([&] {
        for (rows.first(); !rows.atEnd(); rows.next())
            for (const ColumnInfo& column : schema->columns) {
                const Value value = rows.field(column.name);
                (void)value.toText();
                if (value.kind() == Value::Kind::Date) (void)dateText(value.toDate());
            }
    });
}

void FamilyExercise::runQueries() {
    Engine& db = m_database.db();
    const QString family = QStringLiteral("family");
    step([&] {
        RecordSet all = db.recordSet(queries::allPersons());
        walk(all, family);
    });
    step([&] {
        RecordSet all = db.recordSet(queries::allMarriages());
        walk(all, QStringLiteral("married"));
    });
    for (const std::int64_t code : m_codes) {
        for (const Query& query :
             {queries::personByCode(code), queries::childrenOfFather(code),
              queries::childrenOfMother(code), queries::childrenOfOneParent(code)})
            step([&] {
                RecordSet rows = db.recordSet(query);
                walk(rows, family);
            });
        step([&] {
            RecordSet marriages = db.recordSet(queries::marriagesOf(code));
            for (; !marriages.atEnd(); marriages.next())
                step([&] {
                    const std::int64_t father = marriages.field(QStringLiteral("fathercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    const std::int64_t mother = marriages.field(QStringLiteral("mothercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    RecordSet children = db.recordSet(queries::childrenOfCouple(father, mother));
                    walk(children, family);
                });
        });
    }
}

void FamilyExercise::runFinds() {
    RecordSet& family = m_database.persons();
    QStringList names = m_names;
    // A name with an apostrophe, ending in one or nothing else, is found as any other.
    names << QStringLiteral("O'Brien") << QStringLiteral("'") << QStringLiteral("''") << QString();
    if (!m_names.isEmpty())
        names << m_names.front() + QLatin1Char('\'') << QLatin1Char('\'') + m_names.front();
    for (const QString& name : names) {
        bool found = false;
        step([&] { found = family.findFirst(criteria::nameEquals(name)); });
        if (found) step([&] { (void)family.field(QStringLiteral("name")); });
    }
    for (const std::int64_t code : m_codes) {
        step([&] { family.findFirst(criteria::codeEquals(code)); });
        step([&] { m_database.couples().findFirst(criteria::codeEquals(code)); });
    }
}

void FamilyExercise::buildCharts() {
    if (m_names.isEmpty()) return;
    for (const FamilySide side : {FamilySide::Father, FamilySide::Mother})
        step([&] {
            ChartTree tree;
            ChartBuilder builder(m_database, tree);
            builder.build(m_names.front(), side);
            for (const ChartTree::Row& row : tree.rows()) (void)tree.childKeys(row.node->key);
        });
}

void FamilyExercise::loadAllParticulars() {
    // A fixed moment keeps an input's path the same from run to run.
    const QDateTime now(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
    for (const QString& name : m_names.mid(0, 5))
        step([&] { (void)loadParticulars(m_database.persons(), name, now); });
}

void FamilyExercise::searchNames() {
    for (const QString& text :
         {QString(), QStringLiteral("a"), QStringLiteral("สม"), QStringLiteral("'")})
        step([&] { (void)searchHits(m_database.persons(), text); });
}

}  // namespace kinmora::fuzz

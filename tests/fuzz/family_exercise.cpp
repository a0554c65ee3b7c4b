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
    RecordSet& family = m_database.rs_family();
    step([&] {
        family.moveFirst();
        for (int i = 0; i < kMaxPersons && !family.eof(); ++i, family.moveNext()) {
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
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            for (const ColumnInfo& column : schema->columns) {
                const Value value = rows.field(column.name);
                (void)value.toText();
                if (value.kind() == Value::Kind::Date) (void)date_text(value.toDate());
            }
    });
}

void FamilyExercise::runQueries() {
    Engine& db = m_database.db();
    const QString family = QStringLiteral("family");
    step([&] {
        RecordSet all = db.openRecordset(queries::allPersons());
        walk(all, family);
    });
    step([&] {
        RecordSet all = db.openRecordset(queries::allMarriages());
        walk(all, QStringLiteral("married"));
    });
    for (const std::int64_t code : m_codes) {
        for (const Query& query :
             {queries::personByCode(code), queries::childrenOfFather(code),
              queries::childrenOfMother(code), queries::childrenOfOneParent(code)})
            step([&] {
                RecordSet rows = db.openRecordset(query);
                walk(rows, family);
            });
        step([&] {
            RecordSet marriages = db.openRecordset(queries::marriagesOf(code));
            for (; !marriages.eof(); marriages.moveNext())
                step([&] {
                    const std::int64_t father = marriages.field(QStringLiteral("fathercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    const std::int64_t mother = marriages.field(QStringLiteral("mothercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    RecordSet children =
                        db.openRecordset(queries::childrenOfCouple(father, mother));
                    walk(children, family);
                });
        });
    }
}

void FamilyExercise::runFinds() {
    RecordSet& family = m_database.rs_family();
    QStringList names = m_names;
    // A name with an apostrophe, ending in one or nothing else, is found as any other.
    names << QStringLiteral("O'Brien") << QStringLiteral("'") << QStringLiteral("''") << QString();
    if (!m_names.isEmpty())
        names << m_names.front() + QLatin1Char('\'') << QLatin1Char('\'') + m_names.front();
    for (const QString& name : names) {
        step([&] { family.findFirst(criteria::nameEquals(name)); });
        if (!family.noMatch()) step([&] { (void)family.field(QStringLiteral("name")); });
    }
    for (const std::int64_t code : m_codes) {
        step([&] { family.findFirst(criteria::codeEquals(code)); });
        step([&] { m_database.rs_married().findFirst(criteria::codeEquals(code)); });
    }
}

void FamilyExercise::buildCharts() {
    if (m_names.isEmpty()) return;
    for (const FamilySide side : {FamilySide::Father, FamilySide::Mother})
        step([&] {
            ChartTree tree;
            ChartBuilder builder(m_database, tree);
            builder.calac(m_names.front(), side);
            for (const ChartTree::Row& row : tree.rows()) (void)tree.childKeys(row.node->key);
        });
}

void FamilyExercise::loadAllParticulars() {
    // A fixed moment keeps an input's path the same from run to run.
    const QDateTime now(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
    for (const QString& name : m_names.mid(0, 5))
        step([&] { (void)loadParticulars(m_database.rs_family(), name, now); });
}

void FamilyExercise::searchNames() {
    for (const QString& text :
         {QString(), QStringLiteral("a"), QStringLiteral("สม"), QStringLiteral("'")})
        step([&] { (void)search_hits(m_database.rs_family(), text); });
}

}  // namespace kinmora::fuzz

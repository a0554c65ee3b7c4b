// Does with an open family file what the program's windows do: every query
// text, the finds, both charts of a person, the personal particulars and the
// name search, so that a fuzzed file reaches all of the code behind them.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "data/family_database.h"

namespace kinmora::fuzz {

class FamilyExercise {
public:
    // Persons whose codes and names drive the queries and finds: enough to
    // reach every query shape, few enough for many inputs a second.
    static constexpr int kMaxPersons = 50;

    explicit FamilyExercise(FamilyDatabase& database);

    // Runs every step. The errors the program expects from a damaged file
    // (FamilyFileError, whether from the file, a query or a value of the
    // wrong kind) end only the step they come from; anything else escapes.
    void run();

private:
    template <typename Step>
    void step(Step&& work);
    void collectPersons();
    void runQueries();
    void runFinds();
    void buildCharts();
    void loadAllParticulars();
    void searchNames();
    // Reads every field of every row, as the windows show them.
    void walk(RecordSet& rows, const QString& table);

    FamilyDatabase& m_database;
    std::vector<std::int64_t> m_codes;
    QStringList m_names;
};

}  // namespace kinmora::fuzz

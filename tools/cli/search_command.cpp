// The same walk over the person record set as the window's Search command.
#include "search_command.h"

#include "data/family_database.h"
#include "data/name_search.h"
#include "family_opening.h"

namespace kinmora::cli {

int runSearch(const CliArguments& args, QTextStream& out, QTextStream& err) {
    const QString text = args.positional(2, "TEXT");
    if (text.isEmpty()) throw UsageError("TEXT must not be empty");
    std::unique_ptr<FamilyDatabase> database = openFamily(args, err);
    const QStringList hits = searchHits(database->persons(), text);
    if (hits.isEmpty()) {
        err << "NOT FOUND\n";
        return 1;
    }
    for (const QString& line : hits) out << line << '\n';
    return 0;
}

}  // namespace kinmora::cli

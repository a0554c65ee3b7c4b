// A damaged file still gives what it holds, and the exit status stays 0: the
// warning goes to standard error so that scripts reading the output see the
// rows alone.
#include "family_opening.h"

namespace kinmora::cli {

std::unique_ptr<FamilyDatabase> openFamily(const CliArguments& args, QTextStream& err) {
    const QString path = args.positional(1, "FILE");
    std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(path, args.readOptions());
    warnOfDamage(path, database->damage(), err);
    return database;
}

void warnOfDamage(const QString& path, const QStringList& damage, QTextStream& err) {
    if (damage.isEmpty()) return;
    err << "kinmora-cli: " << path
        << ": warning: damaged, showing what could be read: " << damage.join(QStringLiteral("; "))
        << '\n';
    err.flush();
}

}  // namespace kinmora::cli

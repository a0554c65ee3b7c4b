// --now fixes the present moment, so that a living person's age can be scripted and tested.
#include "person_command.h"

#include <QDateTime>

#include "data/family_database.h"
#include "data/person_particulars.h"
#include "family_opening.h"

namespace kinmora::cli {
namespace {

QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

}  // namespace

int runPerson(const CliArguments& args, QTextStream& out, QTextStream& err) {
    const QString name = args.positional(2, "NAME");
    const QDateTime now = args.presentMoment();
    std::unique_ptr<FamilyDatabase> database = openFamily(args, err);
    const std::optional<PersonParticulars> person = loadParticulars(database->persons(), name, now);
    if (!person) {
        err << "NOT FOUND\n";
        return 1;
    }
    const std::pair<const char*, const QString*> labels[] = {
        {"name", &person->name},
        {"surname", &person->surname},
        {"sex", &person->sex},
        {"born", &person->born},
        {"died", &person->died},
        {"age", &person->age},
        {"father", &person->father},
        {"mother", &person->mother},
        {"biography", &person->biography},
    };
    for (const auto& [label, text] : labels) out << label << '\t' << oneLine(*text) << '\n';
    return 0;
}

}  // namespace kinmora::cli

// --codes is a switch without a value, so it is taken out before the rest
// of the words are read as the other commands read theirs.
#include "relation_command.h"

#include "cli_arguments.h"
#include "data/family_database.h"
#include "family_opening.h"
#include "kinship/family_graph.h"
#include "kinship/relation_sentence.h"

namespace kinmora::cli {
namespace {

std::optional<FamilyGraph::Person> personByCode(const FamilyGraph& graph, const QString& word) {
    bool ok = false;
    const qlonglong code = word.toLongLong(&ok);
    if (!ok)
        throw UsageError("--codes takes person codes (whole numbers), not \"" + word.toStdString() +
                         "\"");
    return graph.withCode(code);
}

}  // namespace

int runRelation(const QStringList& words, QTextStream& out, QTextStream& err) {
    QStringList rest = words;
    const bool byCode = rest.removeAll(QStringLiteral("--codes")) > 0;
    const CliArguments args(rest, {QStringLiteral("--code-page"), QStringLiteral("--password")});
    const QString first = args.positional(2, "A");
    const QString second = args.positional(3, "B");
    if (args.positionalCount() > 4) throw UsageError("relation takes FILE, A and B only");

    std::unique_ptr<FamilyDatabase> database = openFamily(args, err);
    const FamilyGraph graph = FamilyGraph::read(*database);
    const auto find = [&](const QString& word) {
        return byCode ? personByCode(graph, word) : graph.named(database->persons(), word);
    };
    const std::optional<FamilyGraph::Person> a = find(first);
    const std::optional<FamilyGraph::Person> b = find(second);
    if (!a || !b) {
        err << "NOT FOUND\n";
        return 1;
    }
    out << RelationSentence(graph).of(*a, *b) << '\n';
    return 0;
}

}  // namespace kinmora::cli

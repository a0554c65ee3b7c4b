// Both tables are read before either file is written, so that a damaged
// family file leaves no CSV file half made.
#include "csv_command.h"

#include "export/export_file.h"
#include "export/family_csv_export.h"
#include "family_opening.h"
#include "living_option.h"

namespace kinmora::cli {

int runCsv(const CliArguments& args, QTextStream& err) {
    const QString path = args.positional(1, "FILE");
    const QString family = args.option(QStringLiteral("--family"));
    const QString married = args.option(QStringLiteral("--married"));
    if (family.isEmpty() && married.isEmpty())
        throw UsageError("give --family F.csv, --married M.csv or both");
    const LivingRule living = livingRule(args, LivingDetails::Full);
    FamilyCsvExport tables(path, args.readOptions());
    tables.keepPrivate(living);
    warnOfDamage(path, tables.damage(), err);
    if (!family.isEmpty())
        ExportFile::write(family, [&](QIODevice& file) { tables.writeFamily(file); });
    if (!married.isEmpty())
        ExportFile::write(married, [&](QIODevice& file) { tables.writeMarried(file); });
    return 0;
}

}  // namespace kinmora::cli

// The header names the family file by its file name only: a GEDCOM file
// travels, the folder it came from does not.
#include "gedcom_command.h"

#include <QDateTime>
#include <QFileInfo>

#include "data/family_database.h"
#include "export/export_file.h"
#include "export/gedcom_writer.h"
#include "family_opening.h"
#include "living_option.h"

namespace kinmora::cli {

int runGedcom(const CliArguments& args, QTextStream& out, QTextStream& err) {
    const QString path = args.positional(1, "FILE");
    const QString output = args.option(QStringLiteral("--output"));
    if (args.has(QStringLiteral("--output")) && output.isEmpty())
        throw UsageError("-o takes the name of the GEDCOM file to write");
    const LivingRule living = livingRule(args, LivingDetails::Full);
    std::unique_ptr<FamilyDatabase> database = openFamily(args, err);
    const GedcomWriter writer(*database, living);
    const QString source = QFileInfo(path).fileName();
    const QDateTime now = QDateTime::currentDateTime();
    if (output.isEmpty()) {
        out.flush();
        writer.write(*out.device(), source, now);
    } else {
        ExportFile::write(output, [&](QIODevice& file) { writer.write(file, source, now); });
    }
    return 0;
}

}  // namespace kinmora::cli

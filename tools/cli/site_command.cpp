// The site keeps the living private unless --living full is given: it is
// made to be shared, unlike the family's own copies (gedcom, csv, picture).
#include "site_command.h"

#include <QDateTime>
#include <QFileInfo>

#include "data/family_database.h"
#include "living_option.h"
#include "site/family_site_data.h"
#include "site/family_site_writer.h"

namespace kinmora::cli {

int runSite(const CliArguments& args) {
    const QString path = args.positional(1, "FILE");
    const QString dir = args.option(QStringLiteral("--output"));
    if (dir.isEmpty()) throw UsageError("-o takes the folder to write the website into");
    const LivingRule rule = livingRule(args, LivingDetails::Names);
    std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(path, args.readOptions());
    const FamilySiteData data(*database, rule, args.presentMoment(), QFileInfo(path).fileName());
    FamilySiteWriter::write(dir, data);
    return 0;
}

}  // namespace kinmora::cli

// The day is the machine's local date, or --now's: the day the copy is made.
#include "living_option.h"

namespace kinmora::cli {

options::Option livingOption(const char* fallback) {
    return {"--living", 0, "names|full",
            std::string("what is shown of the living: names (no dates, ages or biographies) or "
                        "full (default: ") +
                fallback + ")"};
}

LivingRule livingRule(const CliArguments& args, LivingDetails fallback) {
    const QDate today = args.presentMoment().date();
    if (!args.has(QStringLiteral("--living"))) return LivingRule(fallback, today);
    const QString word = args.option(QStringLiteral("--living"));
    const std::optional<LivingDetails> details = livingDetailsNamed(word);
    if (!details) throw UsageError("--living takes names or full, not " + word.toStdString());
    return LivingRule(*details, today);
}

}  // namespace kinmora::cli

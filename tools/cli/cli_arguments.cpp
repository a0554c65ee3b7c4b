// Words travel as UTF-8 between Qt's strings and the shared parser.
#include "cli_arguments.h"

#include "data/code_page.h"

namespace kinmora::cli {
namespace {

std::vector<std::string> utf8(const QStringList& words) {
    std::vector<std::string> out;
    for (const QString& word : words) out.push_back(word.toStdString());
    return out;
}

options::OptionParser parserFor(const QStringList& options) {
    options::OptionParser parser("kinmora-cli", "", "");
    for (const QString& option : options) parser.add({option.toStdString(), 0, "VALUE", ""});
    return parser;
}

}  // namespace

CliArguments::CliArguments(const QStringList& words, const options::OptionParser& parser)
    : m_args(parser.parse(utf8(words))) {}

CliArguments::CliArguments(const QStringList& words, const QStringList& options)
    : CliArguments(words, parserFor(options)) {}

QString CliArguments::positional(int index, const char* what) const {
    if (index >= positionalCount()) throw UsageError(std::string("missing ") + what);
    return QString::fromStdString(m_args.positional[static_cast<std::size_t>(index)]);
}

QString CliArguments::option(const QString& option, const QString& fallback) const {
    if (!has(option)) return fallback;
    return QString::fromStdString(m_args.value(option.toStdString()));
}

ReadOptions CliArguments::readOptions() const {
    ReadOptions options;
    options.password = has(QStringLiteral("--password")) ? option(QStringLiteral("--password"))
                                                         : qEnvironmentVariable("KINMORA_PASSWORD");
    if (!has(QStringLiteral("--code-page"))) return options;
    const QString text = option(QStringLiteral("--code-page"));
    bool ok = false;
    options.codePage = text.toInt(&ok);
    if (!ok || !code_page::isKnown(options.codePage))
        throw UsageError("--code-page takes a code page such as 874 or 1252, not " +
                         text.toStdString());
    return options;
}

QDateTime CliArguments::presentMoment() const {
    if (!has(QStringLiteral("--now"))) return QDateTime::currentDateTime();
    const QDateTime now = QDateTime::fromString(option(QStringLiteral("--now")),
                                                QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!now.isValid()) throw UsageError("--now takes a moment as \"YYYY-MM-DD HH:MM:SS\"");
    return now;
}

}  // namespace kinmora::cli

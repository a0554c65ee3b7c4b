// Options may stand anywhere after the command, as users type them.
#include "cli_arguments.h"

namespace kinmora::cli {

CliArguments::CliArguments(const QStringList& words, const QStringList& options,
                           const QStringList& flags) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (flags.contains(word)) {
            m_options.insert(word, QString());
        } else if (word.startsWith(QLatin1String("--")) || options.contains(word)) {
            if (!options.contains(word)) throw UsageError("unknown option " + word.toStdString());
            if (i + 1 >= words.size())
                throw UsageError("option " + word.toStdString() + " needs a value");
            m_options.insert(word, words[++i]);
        } else {
            m_positional << word;
        }
    }
}

QString CliArguments::positional(int index, const char* what) const {
    if (index >= m_positional.size()) throw UsageError(std::string("missing ") + what);
    return m_positional[index];
}

QString CliArguments::option(const QString& option, const QString& fallback) const {
    return m_options.value(option, fallback);
}

}  // namespace kinmora::cli

// Options may stand anywhere after the command, as users type them.
#include "cli_arguments.h"

#include "data/code_page.h"

namespace kinmora::cli {

CliArguments::CliArguments(const QStringList& words, const QStringList& options) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (options.contains(word) || word.startsWith(QLatin1String("--"))) {
            if (!options.contains(word) && word != QLatin1String("--code-page"))
                throw UsageError("unknown option " + word.toStdString());
            if (i + 1 >= words.size())
                throw UsageError("option " + word.toStdString() + " needs a value");
            m_options.insert(word, words[++i]);
        } else {
            m_positional << word;
        }
    }
}

QString CliArguments::positional(int index, const char* what) const {
    if (index >= m_positional.size())
        throw UsageError(std::string("missing ") + what);
    return m_positional[index];
}

QString CliArguments::option(const QString& option, const QString& fallback) const {
    return m_options.value(option, fallback);
}

ReadOptions CliArguments::readOptions() const {
    ReadOptions options;
    if (!has(QStringLiteral("--code-page"))) return options;
    const QString text = option(QStringLiteral("--code-page"));
    bool ok = false;
    options.codePage = text.toInt(&ok);
    if (!ok || !code_page::isKnown(options.codePage))
        throw UsageError("--code-page takes a code page such as 874 or 1252, not " +
                         text.toStdString());
    return options;
}

}  // namespace kinmora::cli

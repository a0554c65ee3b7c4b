// The words after a kinmora-cli command: positional values and --options.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "data/read_options.h"
#include "option_parser.h"

namespace kinmora::cli {

// A mistake on the command line; the message says what is wrong.
using UsageError = options::UsageError;

class CliArguments {
public:
    // Reads `words` (the command first, as positional 0) with `parser`.
    // Throws UsageError for an unknown option or an option without its value.
    CliArguments(const QStringList& words, const options::OptionParser& parser);
    // The same with a parser that knows `options`, each taking one value.
    CliArguments(const QStringList& words, const QStringList& options);

    // Positional value `index`; throws UsageError naming `what` when missing.
    QString positional(int index, const char* what) const;
    int positionalCount() const { return static_cast<int>(m_args.positional.size()); }
    // The value of `option` (e.g. "--name"), or `fallback` when it was not given.
    QString option(const QString& option, const QString& fallback = {}) const;
    bool has(const QString& option) const { return m_args.has(option.toStdString()); }
    // Whether --help or --version was given.
    bool wantsHelp() const { return m_args.help; }
    bool wantsVersion() const { return m_args.version; }
    // How the file is read: --code-page, the code page Access 97 text is read
    // in (by the file when not given), and the database password, from
    // --password or else the environment's KINMORA_PASSWORD. Throws
    // UsageError for a code page not known here.
    ReadOptions readOptions() const;
    // --now, the present moment as "YYYY-MM-DD HH:MM:SS" (this moment when
    // not given), for ages and for who is living. Throws UsageError for
    // another form.
    QDateTime presentMoment() const;

private:
    options::Arguments m_args;
};

}  // namespace kinmora::cli

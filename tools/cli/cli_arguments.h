// The words after a kinmora-cli command: positional values and --options.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <stdexcept>

#include "data/read_options.h"

namespace kinmora::cli {

// A mistake on the command line; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CliArguments {
public:
    // Splits `words` into positional values and the options named in
    // `options` and --code-page, which every command takes (each takes one
    // value; "-o" counts as an option when listed). Throws UsageError for an
    // unknown option or an option without its value.
    CliArguments(const QStringList& words, const QStringList& options);

    // Positional value `index`; throws UsageError naming `what` when missing.
    QString positional(int index, const char* what) const;
    int positionalCount() const { return static_cast<int>(m_positional.size()); }
    // The value of `option` (e.g. "--name"), or `fallback` when it was not given.
    QString option(const QString& option, const QString& fallback = {}) const;
    bool has(const QString& option) const { return m_options.contains(option); }
    // How the file is read: --code-page, the code page Access 97 text is read
    // in (by the file when not given). Throws UsageError for a code page not
    // known here.
    ReadOptions readOptions() const;

private:
    QStringList m_positional;
    QHash<QString, QString> m_options;
};

}  // namespace kinmora::cli

// The words after a kinmora-cli command: positional values and --options.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace kinmora::cli {

// A mistake on the command line; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CliArguments {
public:
    // Splits `words` into positional values, the options named in `options`
    // (each takes one value, e.g. "--name" or "-o") and the `flags` (no
    // value, e.g. "--tiles"). Throws UsageError for an unknown option or an
    // option without its value.
    CliArguments(const QStringList& words, const QStringList& options,
                 const QStringList& flags = {});

    // Positional value `index`; throws UsageError naming `what` when missing.
    QString positional(int index, const char* what) const;
    int positionalCount() const { return static_cast<int>(m_positional.size()); }
    // The value of `option` (e.g. "--name"), or `fallback` when it was not given.
    QString option(const QString& option, const QString& fallback = {}) const;
    bool has(const QString& option) const { return m_options.contains(option); }

private:
    QStringList m_positional;
    QHash<QString, QString> m_options;
};

}  // namespace kinmora::cli

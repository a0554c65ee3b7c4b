// The command-line parser of Kinmora's tools: GNU-style options, positional
// arguments, and the --help and --version texts made from one description.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kinmora::options {

// A mistake on the command line; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Option {
    std::string name;       // "--output"
    char shortName = 0;     // 'o', or 0 for none
    std::string valueName;  // "FILE"; empty for an option that takes no value
    std::string help;       // one line
};

// What the words on a command line say.
struct Arguments {
    std::vector<std::string> positional;
    // Every option given, in order, with its value ("" for one that takes none).
    std::vector<std::pair<std::string, std::string>> options;
    bool help = false;
    bool version = false;

    bool has(const std::string& name) const;
    // The last value given for `name`, or `fallback`.
    std::string value(const std::string& name, const std::string& fallback = {}) const;
};

class OptionParser {
public:
    // `program` as it is called ("kinmora-cli chart"), `synopsis` the
    // arguments after it ("FILE [--name NAME]"), `description` a paragraph.
    OptionParser(std::string program, std::string synopsis, std::string description);

    void add(Option option);
    // Text printed after the options in --help.
    void setEpilogue(std::string text) { m_epilogue = std::move(text); }

    // Reads `words` (the program name not among them). Options may stand
    // anywhere: --name VALUE, --name=VALUE, -o VALUE, -oVALUE; "--" ends the
    // options. --help/-h and --version are always known. Throws UsageError
    // for an unknown option, a missing or unwanted value, or more than
    // `maxPositional` positional words (when it is not -1).
    Arguments parse(const std::vector<std::string>& words, int maxPositional = -1) const;

    // "Usage: PROGRAM SYNOPSIS", the description, every option, the epilogue.
    std::string help() const;
    // The line printed after a usage error's message.
    std::string tryHelp() const;

private:
    const Option* find(const std::string& name) const;
    const Option* findShort(char name) const;

    std::string m_program;
    std::string m_synopsis;
    std::string m_description;
    std::string m_epilogue;
    std::vector<Option> m_options;
};

}  // namespace kinmora::options

// One parser for every tool, so that they all read their words the same way
// and answer --help and --version alike.
#include "option_parser.h"

#include <algorithm>

namespace kinmora::options {
namespace {

const Option kHelp{"--help", 'h', "", "show this help and exit"};
const Option kVersion{"--version", 0, "", "show the version and exit"};

}  // namespace

bool Arguments::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& option) { return option.first == name; });
}

std::string Arguments::value(const std::string& name, const std::string& fallback) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it)
        if (it->first == name) return it->second;
    return fallback;
}

OptionParser::OptionParser(std::string program, std::string synopsis, std::string description)
    : m_program(std::move(program)),
      m_synopsis(std::move(synopsis)),
      m_description(std::move(description)) {}

void OptionParser::add(Option option) {
    m_options.push_back(std::move(option));
}

const Option* OptionParser::find(const std::string& name) const {
    if (name == kHelp.name) return &kHelp;
    if (name == kVersion.name) return &kVersion;
    for (const Option& option : m_options)
        if (option.name == name) return &option;
    return nullptr;
}

const Option* OptionParser::findShort(char name) const {
    if (name == kHelp.shortName) return &kHelp;
    for (const Option& option : m_options)
        if (option.shortName == name) return &option;
    return nullptr;
}

Arguments OptionParser::parse(const std::vector<std::string>& words, int maxPositional) const {
    Arguments args;
    bool onlyPositional = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (onlyPositional || word.size() < 2 || word[0] != '-') {
            args.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = word;
        std::string value;
        bool joined = false;
        const Option* option = nullptr;
        if (word[1] == '-') {
            if (const auto equals = word.find('='); equals != std::string::npos) {
                name = word.substr(0, equals);
                value = word.substr(equals + 1);
                joined = true;
            }
            option = find(name);
        } else {
            name = word.substr(0, 2);
            option = findShort(word[1]);
            if (word.size() > 2) {
                value = word.substr(2);
                joined = true;
            }
        }
        if (!option) throw UsageError("unknown option '" + name + "'");
        if (option->valueName.empty()) {
            if (joined) throw UsageError("option '" + option->name + "' takes no value");
        } else if (!joined) {
            if (i + 1 >= words.size())
                throw UsageError("option '" + option->name + "' needs a value (" +
                                 option->valueName + ")");
            value = words[++i];
        }
        if (option == &kHelp)
            args.help = true;
        else if (option == &kVersion)
            args.version = true;
        else
            args.options.emplace_back(option->name, value);
    }
    if (maxPositional >= 0 && args.positional.size() > static_cast<std::size_t>(maxPositional) &&
        !args.help && !args.version)
        throw UsageError("unexpected argument '" + args.positional[maxPositional] + "'");
    return args;
}

std::string OptionParser::help() const {
    std::string text = "Usage: " + m_program + " " + m_synopsis + "\n" + m_description + "\n\n";
    std::vector<Option> all = m_options;
    all.push_back(kHelp);
    all.push_back(kVersion);
    std::vector<std::string> left;
    std::size_t width = 0;
    for (const Option& option : all) {
        std::string l = option.shortName ? std::string("-") + option.shortName + ", " : "    ";
        l += option.name;
        if (!option.valueName.empty()) l += " " + option.valueName;
        width = std::max(width, l.size());
        left.push_back(l);
    }
    for (std::size_t i = 0; i < all.size(); ++i)
        text += "  " + left[i] + std::string(width + 2 - left[i].size(), ' ') + all[i].help + "\n";
    if (!m_epilogue.empty()) text += "\n" + m_epilogue;
    return text;
}

std::string OptionParser::tryHelp() const {
    return "Try '" + m_program + " --help' for more information.\n";
}

}  // namespace kinmora::options

// A command's words after its name: positional arguments and "--option value" pairs.
#include "tool_arguments.h"

#include "text_lines.h"
#include "tool_error.h"

#include <algorithm>

ToolArguments::ToolArguments(std::span<const std::string> words,
                             std::span<const OptionSpec> known) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            HelpWanted_ = true;
            continue;
        }
        // A lone "-" is a positional argument, as is a negative number given as one.
        if (!word.starts_with("--")) {
            Positional_.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        const auto spec = std::find_if(known.begin(), known.end(), [&](const OptionSpec& option) {
            return option.Name == name;
        });
        if (spec == known.end())
            throw ToolError("unknown option --" + name);
        if (!spec->TakesValue) {
            if (equals != std::string::npos)
                throw ToolError("--" + name + " takes no value");
            Options_.emplace_back(name, std::string());
        } else if (equals != std::string::npos) {
            Options_.emplace_back(name, word.substr(equals + 1));
        } else if (i + 1 < words.size()) {
            Options_.emplace_back(name, words[++i]);
        } else {
            throw ToolError("--" + name + " needs a value");
        }
    }
}

bool ToolArguments::Has(std::string_view name) const {
    return Value(name).has_value();
}

std::optional<std::string> ToolArguments::Value(std::string_view name) const {
    // The last of a repeated option wins, as in most command-line tools.
    for (auto option = Options_.rbegin(); option != Options_.rend(); ++option)
        if (option->first == name)
            return option->second;
    return std::nullopt;
}

void ToolArguments::ExpectPositional(std::size_t min, std::size_t max) const {
    if (Positional_.size() < min)
        throw ToolError("too few arguments; see --help");
    if (Positional_.size() > max)
        throw ToolError("unexpected argument \"" + Positional_[max] + "\"; see --help");
}

int ToolArguments::Number(std::string_view name, int min, int max, int fallback) const {
    const auto text = Value(name);
    if (!text)
        return fallback;
    const auto number = ParseNumber(*text, min, max);
    if (!number)
        throw ToolError("--" + std::string(name) + " must be a whole number of " +
                        std::to_string(min) + ".." + std::to_string(max) + ", not \"" + *text +
                        "\"");
    return *number;
}

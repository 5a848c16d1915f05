// A command's words after its name: positional arguments and "--option value" pairs.
#pragma once

#include "base/path_text.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct OptionSpec {
    std::string_view Name; // without the dashes
    bool TakesValue = true;
};

class ToolArguments {
public:
    // "--name value" and "--name=value" are both taken; "--help" and "-h" are always known.
    // Throws ToolError for an unknown option or one whose value is missing.
    ToolArguments(std::span<const std::string> words, std::span<const OptionSpec> known);

    bool HelpWanted() const { return HelpWanted_; }
    const std::vector<std::string>& Positional() const { return Positional_; }
    // The positional argument at index as a path; the words are UTF-8 on every system.
    std::filesystem::path PathAt(std::size_t index) const {
        return PathFromText(Positional_.at(index));
    }
    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;

    // Throws ToolError unless there are between min and max positional arguments.
    void ExpectPositional(std::size_t min, std::size_t max) const;

    // The option's value as a whole number in min..max, or `fallback` without the option.
    int Number(std::string_view name, int min, int max, int fallback) const;

private:
    bool HelpWanted_ = false;
    std::vector<std::string> Positional_;
    std::vector<std::pair<std::string, std::string>> Options_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kav::cli {

// One command's part of the command line as the parser has read it: the arguments after
// the command's name and the values of its options.
class CommandLine {
public:
    CommandLine() = default;
    CommandLine(std::vector<std::string> arguments,
                std::map<std::string, std::vector<std::string>> values, std::set<std::string> set)
        : arguments_(std::move(arguments)), values_(std::move(values)), set_(std::move(set)) {}

    const std::vector<std::string>& arguments() const { return arguments_; }
    // Whether `--option` was given (a flag, or an option with a value).
    bool isSet(const std::string& option) const { return set_.contains(option); }
    // The value given last.
    std::optional<std::string> value(const std::string& option) const;
    // Every value in command-line order (a repeatable option).
    std::vector<std::string> values(const std::string& option) const;

private:
    std::vector<std::string> arguments_;
    std::map<std::string, std::vector<std::string>> values_;
    std::set<std::string> set_;
};

} // namespace kav::cli

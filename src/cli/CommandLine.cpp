// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

namespace kav::cli {

std::optional<std::string> CommandLine::value(const std::string& option) const {
    const auto found = values_.find(option);
    if (found == values_.end() || found->second.empty())
        return std::nullopt;
    return found->second.back();
}

std::vector<std::string> CommandLine::values(const std::string& option) const {
    const auto found = values_.find(option);
    return found == values_.end() ? std::vector<std::string>{} : found->second;
}

} // namespace kav::cli

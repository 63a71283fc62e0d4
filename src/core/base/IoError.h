// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kav {

// An input/output failure of a file operation; what() is the text shown to the user.
class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds the user-facing text of a failed file operation: the action, the file and, when
// the system gave one, the reason.
std::string ioErrorText(const std::string& action, const std::filesystem::path& path, int errnum);

// Why a file operation failed, in German ("Zugriff verweigert"); rare reasons keep the
// system's words behind a German lead.
std::string ioReasonText(int errnum);

} // namespace kav

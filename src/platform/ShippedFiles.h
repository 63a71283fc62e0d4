// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kav::platform {

// What a refresh of the shipped files did.
struct ShippedFilesRefresh {
    int copied = 0;  // missing in the program folder: copied
    int updated = 0; // still as an earlier version shipped them: replaced by the new version
    int kept = 0;    // changed by the user: left alone
    int failed = 0;  // could not be read or written: left as they were
};

// Brings the files an installed program ships (the sound, the click-script templates in
// "Script", the language files in "land") from `shippedDir` into the program folder
// `programDir`, subfolders included. A missing file is copied. A file that is still exactly
// as the program last copied it is replaced when the installed version differs (a package
// upgrade brings its fixes); a file the user has changed is never overwritten. What was
// copied is remembered as SHA-256 sums in ".shipped-files" in the program folder (the format
// of sha256sum). Every write goes through the safe-write path; a file that cannot be copied
// is skipped and tried again at the next start.
ShippedFilesRefresh refreshShippedFiles(const QString& shippedDir, const QString& programDir);

inline constexpr const char* kShippedFilesRecord = ".shipped-files";

} // namespace kav::platform

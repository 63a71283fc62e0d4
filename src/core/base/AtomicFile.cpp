// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AtomicFile.h"

#include "base/IoError.h"

#include <cerrno>
#include <cstdio>

namespace kav {

void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileAccess access) {
    std::filesystem::path temporary = path;
    temporary += ".kav~";
    auto discardTemporary = [&] {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    };

    errno = 0;
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f)
        throw IoError(ioErrorText("Anlegen", path, errno));
    if (access == FileAccess::OwnerOnly) {
        // Narrowed before anything is written, so the content is never readable by others.
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, ec);
        if (ec) {
            std::fclose(f);
            discardTemporary();
            throw IoError(ioErrorText("Anlegen", path, ec.value()));
        }
    }
    errno = 0;
    const bool written =
        std::fwrite(content.data(), 1, content.size(), f) == content.size() && std::fflush(f) == 0;
    const int writeErr = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        const int err = writeErr ? writeErr : errno;
        discardTemporary();
        throw IoError(ioErrorText("Schreiben", path, err));
    }

    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        discardTemporary();
        throw IoError(ioErrorText("Schreiben", path, ec.value()));
    }
}

} // namespace kav

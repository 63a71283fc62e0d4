// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "support/ScriptedInteraction.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kav::fuzz {

// A workspace over a program folder of its own for one fuzzing process.
struct FuzzWorkspace {
    FuzzWorkspace()
        : folder(std::filesystem::temp_directory_path() /
                 ("kavanto-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        ws.evaluationSwitch = true;
        ws.todayProvider = [] { return dayCountFromCivil({2026, 12, 9}); };
    }

    void writeFile(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    std::filesystem::path folder;
    test::ScriptedInteraction ui;
    Workspace ws{folder, ui};
};

} // namespace kav::fuzz

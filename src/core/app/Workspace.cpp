// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"

namespace kav {

Workspace::Workspace(std::filesystem::path programFolder, Interaction& ui)
    : program(std::move(programFolder), ui) {}

void Workspace::installInternetUpdate(HttpClient& client, UpdateParameters parameters) {
    program.internetUpdate = [this, &client, parameters = std::move(parameters)] {
        updateDrawDatabase(program, options, ticket, drawWindow, run, view, client, parameters);
    };
}

} // namespace kav

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedInteraction.h"
#include "TemporaryFolder.h"
#include "app/Workspace.h"
#include "commands/DrawReading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kav::test {

inline double day(int year, int month, int dayOfMonth) {
    return static_cast<double>(dayCountFromCivil({year, month, dayOfMonth}));
}

inline DrawRecord draw(double date, std::array<int, 5> numbers, int key) {
    return DrawRecord::make(date, numbers, key);
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A workspace over a fresh program folder, past its start-up: the evaluation switch on.
class WorkspaceTest : public ::testing::Test {
protected:
    WorkspaceTest() {
        ws.ticket.evaluationSwitch = true;
        ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 1}); };
    }

    void writeDraws(const std::vector<DrawRecord>& records) {
        std::string bytes;
        for (const DrawRecord& r : records) {
            const auto encoded = r.encode();
            bytes.append(encoded.begin(), encoded.end());
        }
        writeBytes(drawFileOf(ws.program).path(), bytes);
    }
    std::vector<DrawRecord> storedDraws() const { return drawFileOf(ws.program).readAll().records; }

    // Types a row's six cells, as the validation takes typed text.
    void setRow(int row, const std::array<std::string, 6>& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            ws.ticket.sheet.setCell(row, c, texts[static_cast<std::size_t>(c)]);
    }
    std::array<std::string, 6> row(int r) const {
        std::array<std::string, 6> texts;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts[static_cast<std::size_t>(c)] = ws.ticket.sheet.cell(r, c);
        return texts;
    }

    TemporaryFolder folder;
    ScriptedInteraction ui;
    Workspace ws{folder.path(), ui};
};

} // namespace kav::test
